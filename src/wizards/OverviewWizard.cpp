// The overview.html wizard: mission name, description and picture, whose sides are read from
// the JPEG file and checked.
#include "wizards/OverviewWizard.h"

#include "AppError.h"
#include "common/ToolWindow.h"
#include "platform/Dialogs.h"
#include "ui_OverviewWizard.h"
#include "wizards/JpegSize.h"
#include "wizards/OverviewPage.h"
#include "wizards/WizardBrowse.h"
#include "wizards/WizardFileNames.h"
#include "wizards/WizardIcons.h"
#include "wizards/WizardOutput.h"
#include "wizards/WizardSaveDialog.h"
#include "wizards/WizardText.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalBlocker>

OverviewWizard::OverviewWizard(const CurrentGame &game, QWidget *parent)
    : WizardWindow(parent, kToolWindow), m_game(game), ui(std::make_unique<Ui::OverviewWizard>()),
      m_saveDialog(this, {"SAVD", QStringLiteral("Сохранить овервью как"), QStringLiteral("overview.html"),
                          QStringLiteral("overview.html|*.html|Все файлы (*.*)|*"), QString()})
{
    ui->setupUi(this);
    // Not resizable: the designed size, or as much more as the controls need in this font.
    setFixedSize(size().expandedTo(minimumSizeHint()));
    ui->FilenameEdit1Browse->setIcon(wizardIcon(QStringLiteral("document-open")));
    connect(ui->FilenameEdit1Browse, &QToolButton::clicked, this, &OverviewWizard::browsePicture);
    connect(ui->FilenameEdit1, &QLineEdit::textChanged, this, &OverviewWizard::checkPicture);
    connect(ui->Button2, &QPushButton::clicked, this, &OverviewWizard::insertIntoEditor);
    connect(ui->Button3, &QPushButton::clicked, this, &OverviewWizard::saveToFile);
    connect(ui->Button1, &QPushButton::clicked, this, &QWidget::hide);
}

OverviewWizard::~OverviewWizard() = default;

void OverviewWizard::browsePicture()
{
    const QString path = WizardBrowse::chooseFile(m_pictureDialog, this,
                                                  {"FilenameEdit1Dialog", QStringLiteral("Открыть"),
                                                   QStringLiteral("JPG (*.jpg)|*.jpg")});
    if (path.isEmpty())
        return;
    // The page names the picture without a folder; the check still needs to find it.
    m_pictureFolder = QFileInfo(path).absolutePath();
    ui->FilenameEdit1->setText(WizardFileNames::bareFileName(path));
}

QString OverviewWizard::picturePath(const QString &name) const
{
    return QDir(m_pictureFolder.isEmpty() ? QDir::currentPath() : m_pictureFolder).filePath(name);
}

void OverviewWizard::checkPicture()
{
    const QString name = WizardFileNames::withoutQuotePair(ui->FilenameEdit1->text());
    if (name != ui->FilenameEdit1->text()) {
        const QSignalBlocker blocker(ui->FilenameEdit1);
        ui->FilenameEdit1->setText(name);
    }
    if (refuseQuotedName())
        return;
    const QString path = picturePath(name);
    if (name.isEmpty() || !QFileInfo(path).isFile())
        return; // still being typed, or not there: nothing to say
    if (!WizardFileNames::hasPictureExtension(name)) {
        Dialogs::beep();
        Dialogs::error(this, QStringLiteral("Внимание! Неправильное расширение файла. Поддерживаются только "
                                            "следующие расширения: .jpg .paa .pac"));
        return;
    }
    readPictureSize(path);
}

void OverviewWizard::readPictureSize(const QString &path)
{
    QSize size;
    try {
        size = readJpegSize(path);
    } catch (const AppError &error) {
        // A texture or a damaged picture: the user types the sides.
        Dialogs::showError(this, error);
        return;
    }
    ui->Wid->setValue(size.width());
    ui->Hei->setValue(size.height());
    const QString problems = OverviewPicture::sizeProblems(size.width(), size.height());
    if (!problems.isEmpty())
        Dialogs::warning(this, QStringLiteral("Внимание! Найдены следующие ошибки:\r\n") + problems);
}

bool OverviewWizard::refuseQuotedName()
{
    if (!ui->FilenameEdit1->text().contains(u'"'))
        return false;
    Dialogs::beep();
    Dialogs::error(this, QStringLiteral("Имя файла картинки не может содержать кавычки."));
    return true;
}

OverviewForm OverviewWizard::form() const
{
    OverviewForm f;
    f.missionName = ui->Edit1->text();
    f.description = WizardText::withCrLf(ui->Memo1->toPlainText());
    f.picture = ui->FilenameEdit1->text();
    f.width = ui->Wid->value();
    f.height = ui->Hei->value();
    return f;
}

void OverviewWizard::insertIntoEditor()
{
    if (refuseQuotedName())
        return;
    insertAndHide(buildOverviewPage(form()), QStringLiteral("Оверьвью создан и вставлен в позицию курсора."));
}

void OverviewWizard::saveToFile()
{
    if (refuseQuotedName())
        return;
    WizardOutput::chooseAndSave(this, m_saveDialog,
                                {buildOverviewPage(form()), Games::usesUtf8(m_game.game()),
                                 QStringLiteral("Файл овервью успешно сохранен")});
}
