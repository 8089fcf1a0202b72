// The settings dialog's pages: editor colours and font, completion key, game paths, the
// highlighter's rows, bracket colours and the comment style.
#include "dialogs/SettingsDialog.h"

#include "app/AppWindows.h"
#include "dialogs/FileAssociationsDialog.h"
#include "editor/MainWindow.h"
#include "platform/Dialogs.h"
#include "platform/ModalDialogs.h"
#include "platform/WinePrefix.h"
#include "system/GameInstall.h"
#include "ui_SettingsDialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QWindow>

struct SettingsDialog::RowControls
{
    ColorBox *color;
    QCheckBox *bold;
    QCheckBox *italic;
};

SettingsDialog::SettingsDialog(AppWindows &windows, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::SettingsDialog>()), m_windows(windows)
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
    connect(ui->Button4, &QPushButton::clicked, this, &SettingsDialog::openFileAssociations);
    connect(ui->OFPpathBrowse, &QToolButton::clicked, this, [this] { chooseExecutable(ui->OFPpath); });
    connect(ui->AApathBrowse, &QToolButton::clicked, this, [this] { chooseExecutable(ui->AApath); });
}

SettingsDialog::~SettingsDialog() = default;

SettingsDialog::CommentLook SettingsDialog::commentLook() const
{
    return {ui->SQSC->isChecked(), ui->COMM->selected(), ui->COMMB->isChecked(), ui->COMMI->isChecked()};
}

void SettingsDialog::setCommentLook(const CommentLook &look)
{
    setSqsComments(look.sqs);
    ui->COMM->setSelected(look.color);
    ui->COMMB->setChecked(look.bold);
    ui->COMMI->setChecked(look.italic);
}

bool SettingsDialog::sqsComments() const
{
    return ui->SQSC->isChecked();
}

void SettingsDialog::setSqsComments(bool sqs)
{
    (sqs ? ui->SQSC : ui->SQFC)->setChecked(true);
}

std::array<SettingsDialog::RowControls, SettingsDialog::RowCount> SettingsDialog::rowControls() const
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

SettingsDialog::Values SettingsDialog::values() const
{
    const auto rows = rowControls();
    Values v;
    v.saveBeforeRun = ui->SBR->isChecked();
    v.ofpPath = ui->OFPpath->text();
    v.armaPath = ui->AApath->text();
    v.hotKey = ui->HotKey1->code();
    v.font = m_font;
    v.bracketFg = ui->FB->selected();
    v.bracketBg = ui->BB->selected();
    for (int i = 0; i < RowCount; ++i)
        v.rows[i] = {rows[i].color->selected(), rows[i].bold->isChecked(), rows[i].italic->isChecked()};
    v.background = ui->FonC->selected();
    v.activeLine = ui->ActiveC->selected();
    v.selBackground = ui->FonSelC->selected();
    v.selForeground = ui->TxSelC->selected();
    v.tabsToSpaces = ui->TabToSp->isChecked();
    return v;
}

void SettingsDialog::setValues(const Values &v)
{
    const auto rows = rowControls();
    ui->SBR->setChecked(v.saveBeforeRun);
    ui->OFPpath->setText(v.ofpPath);
    ui->AApath->setText(v.armaPath);
    ui->HotKey1->setCode(v.hotKey);
    m_font = v.font;
    ui->Button1->setFont(m_font);
    ui->FB->setSelected(v.bracketFg);
    ui->BB->setSelected(v.bracketBg);
    for (int i = 0; i < RowCount; ++i) {
        rows[i].color->setSelected(v.rows[i].color);
        rows[i].bold->setChecked(v.rows[i].bold);
        rows[i].italic->setChecked(v.rows[i].italic);
    }
    ui->FonC->setSelected(v.background);
    ui->ActiveC->setSelected(v.activeLine);
    ui->FonSelC->setSelected(v.selBackground);
    ui->TxSelC->setSelected(v.selForeground);
    ui->TabToSp->setChecked(v.tabsToSpaces);
}

// The font dialog starts from the editor's font in force, not from the one chosen here before.
void SettingsDialog::chooseFont()
{
    QFontDialog dialog(m_windows.mainWindow()->look().font, this);
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
void SettingsDialog::detectGame(bool arma)
{
    const QString path = GameInstall::detectExecutable(arma ? GameInstall::Game::Arma : GameInstall::Game::Ofp,
                                                       WinePrefix::path());
    if (path.isEmpty()) {
        Dialogs::beep();
        return;
    }
    (arma ? ui->AApath : ui->OFPpath)->setText(path);
}

// Usable beside this dialog: a window of the modal dialog's own, not one it blocks.
void SettingsDialog::openFileAssociations()
{
    FileAssociationsDialog *associations = m_windows.fileAssociationsDialog();
    if (!associations->isVisible()) {
        associations->adjustSize();
        associations->move(m_windows.mainWindow()->frameGeometry().center() - associations->rect().center());
    }
    associations->winId();
    associations->windowHandle()->setTransientParent(windowHandle());
    associations->show();
    associations->raise();
    associations->activateWindow();
}

void SettingsDialog::labelClicked(QObject *label)
{
    if (label == ui->Label18)
        detectGame(false);
    else if (label == ui->Label17)
        detectGame(true);
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
