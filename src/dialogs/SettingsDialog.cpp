// The settings dialog's pages: editor colours and font, completion key, game paths, the
// highlighter's rows, bracket colours and the comment style.
#include "dialogs/SettingsDialog.h"

#include "common/QtFont.h"
#include "platform/Dialogs.h"
#include "platform/ModalDialogs.h"
#include "platform/WinePrefix.h"
#include "system/GameInstall.h"
#include "ui_SettingsDialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>

struct SettingsDialog::RowControls
{
    ColorBox *color;
    QCheckBox *bold;
    QCheckBox *italic;
};

SettingsDialog::SettingsDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::SettingsDialog>())
{
    ui->setupUi(this);
    setModal(true);
    for (QLabel *label : {ui->Label17, ui->Label18, ui->Label22}) {
        label->installEventFilter(this);
        label->setCursor(Qt::PointingHandCursor);
    }
    connect(ui->Button3, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->Button1, &QPushButton::clicked, this, &SettingsDialog::chooseFont);
    connect(ui->Button4, &QPushButton::clicked, this, &SettingsDialog::fileAssociationsRequested);
    connect(ui->OFPpathBrowse, &QToolButton::clicked, this, [this] { chooseExecutable(ui->OFPpath); });
    connect(ui->AApathBrowse, &QToolButton::clicked, this, [this] { chooseExecutable(ui->AApath); });
}

SettingsDialog::~SettingsDialog() = default;

std::array<SettingsDialog::RowControls, kKeyedAttributeCount> SettingsDialog::rowControls() const
{
    return {{
        {ui->COMD, ui->COMDB, ui->COMDI},
        {ui->CIFR, ui->CIFRB, ui->CIFRI},
        {ui->SYMB, ui->SYMBB, ui->SYMBI},
        {ui->RESH, ui->RESHB, ui->RESHI},
        {ui->TETX, ui->TETXB, ui->TETXI},
        {ui->Und, ui->UNDB, ui->UNDI},
        {ui->Tilda, ui->TILDAB, ui->TILDAI},
    }};
}

void SettingsDialog::setSettings(const EditorSettings &s)
{
    m_shown = s;
    ui->SBR->setChecked(s.saveBeforeRun);
    ui->OFPpath->setText(s.ofpExePath);
    ui->AApath->setText(s.armaExePath);
    ui->HotKey1->setCode(s.completionShortcut);
    m_fontInForce = toQFont(s.font, m_fontInForce);
    m_font = m_fontInForce;
    ui->Button1->setFont(m_font);
    ui->FB->setSelected(s.bracketForeground);
    ui->BB->setSelected(s.bracketBackground);
    const auto rows = rowControls();
    for (int i = 0; i < kKeyedAttributeCount; ++i) {
        rows[i].color->setSelected(s.attributes[i].color);
        rows[i].bold->setChecked(s.attributes[i].bold);
        rows[i].italic->setChecked(s.attributes[i].italic);
    }
    (s.sqsComments ? ui->SQSC : ui->SQFC)->setChecked(true);
    const TextLook comment = s.comment.lookFor(s.sqsComments, Colors::clNone);
    ui->COMM->setSelected(comment.color);
    ui->COMMB->setChecked(comment.bold);
    ui->COMMI->setChecked(comment.italic);
    ui->FonC->setSelected(s.background);
    ui->ActiveC->setSelected(s.activeLineColor);
    ui->FonSelC->setSelected(s.selBackground);
    ui->TxSelC->setSelected(s.selForeground);
    ui->TabToSp->setChecked(s.tabsToSpaces);
}

EditorSettings SettingsDialog::settings() const
{
    EditorSettings s = m_shown;
    s.saveBeforeRun = ui->SBR->isChecked();
    s.ofpExePath = ui->OFPpath->text();
    s.armaExePath = ui->AApath->text();
    s.completionShortcut = ui->HotKey1->code();
    // The font keys of a font the user did not change stay as they were.
    if (m_font != m_fontInForce)
        s.font = toFontKeys(m_font, s.font.color, s.font.charSet);
    s.bracketForeground = ui->FB->selected();
    s.bracketBackground = ui->BB->selected();
    const auto rows = rowControls();
    for (int i = 0; i < kKeyedAttributeCount; ++i)
        s.attributes[i] = {rows[i].color->selected(), rows[i].bold->isChecked(), rows[i].italic->isChecked()};
    s.sqsComments = ui->SQSC->isChecked();
    s.comment = {ui->COMM->selected(), ui->COMMB->isChecked(), ui->COMMI->isChecked()};
    s.background = ui->FonC->selected();
    s.activeLineColor = ui->ActiveC->selected();
    s.selBackground = ui->FonSelC->selected();
    s.selForeground = ui->TxSelC->selected();
    s.tabsToSpaces = ui->TabToSp->isChecked();
    return s;
}

// The font dialog starts from the editor's font in force, not from the one chosen here before.
void SettingsDialog::chooseFont()
{
    QFontDialog dialog(m_fontInForce, this);
    dialog.setOption(QFontDialog::MonospacedFonts, false);
    if (!ModalDialogs::confirm(dialog))
        return;
    m_font = dialog.currentFont();
    ui->Button1->setFont(m_font);
}

void SettingsDialog::chooseExecutable(QLineEdit *edit)
{
    QFileDialog dialog(this, QStringLiteral("Исполняемый файл игры"), QFileInfo(edit->text()).path(),
                       QStringLiteral("Программы (*.exe *.EXE);;Все файлы (*)"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    const QString path = ModalDialogs::chooseFile(dialog);
    if (!path.isEmpty())
        edit->setText(path);
}

// Taken, like a typed path, only by OK.
void SettingsDialog::detectGame(Game game)
{
    const QString path = GameInstall::detectExecutable(game, WinePrefix::path());
    if (path.isEmpty()) {
        Dialogs::beep();
        return;
    }
    (game == Game::Arma ? ui->AApath : ui->OFPpath)->setText(path);
}

void SettingsDialog::labelClicked(QObject *label)
{
    if (label == ui->Label18)
        detectGame(Game::Ofp);
    else if (label == ui->Label17)
        detectGame(Game::Arma);
    else if (label == ui->Label22)
        ui->HotKey1->setCode(9); // Tab
}

// The three clickable labels look like links while the mouse is over them.
bool SettingsDialog::eventFilter(QObject *watched, QEvent *event)
{
    auto *label = qobject_cast<QLabel *>(watched);
    if (!label)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Enter:
    case QEvent::Leave: {
        const bool over = event->type() == QEvent::Enter;
        QFont font = label->font();
        font.setUnderline(over);
        label->setFont(font);
        label->setStyleSheet(over ? QStringLiteral("color: blue;") : QString());
        break;
    }
    case QEvent::MouseButtonRelease:
        labelClicked(watched);
        return true;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}
