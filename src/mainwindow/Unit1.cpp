// Main window life: construction, start-up, the close question, shutdown.
#include "mainwindow/Unit1.h"

#include "AppError.h"
#include "AppPaths.h"
#include "gamedata/SynSQSHighlighter.h"
#include "mainwindow/EditorLook.h"
#include "mainwindow/FormPlacement.h"
#include "mainwindow/MruUnit.h"
#include "mainwindow/PBPreview.h"
#include "mainwindow/TSynCompletionProposal.h"
#include "platform/Dialogs.h"
#include "platform/KeyState.h"
#include "script/CommentStyle.h"
#include "settings/IniFile.h"
#include "text/Cp1251.h"
#include "text/FileText.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <Qsci/qscicommandset.h>

TForm1 *Form1 = nullptr;
QString CurrentFileName;
bool SQSCommentMode = true;
int LastPRIndex = 0, LastSWIndex = 0, LastHGIndex = 0;
QStringList WeaponList, MagazineList, AnimationList;
QString OFPExePath, ArmAExePath;
bool SaveBeforeRunFlag = false;
TColor BracketFgColor = Colors::clRed;
TColor BracketBgColor = Colors::clNone;

TForm1::TForm1(QWidget *parent) : QMainWindow(parent)
{
    setupUi(this);
    CurrentFileName.clear(); // a new window starts with a new text, named by its caption
    SQSHighlighter = new TSynSQSHighlighter(this);
    SynEdit1->setLexer(SQSHighlighter);
    SynCompletionProposal1 = new TSynCompletionProposal(this);
    SynCompletionProposal1->setObjectName(QStringLiteral("SynCompletionProposal1"));
    FRMP = std::make_unique<FormPlacement>(this, QStringLiteral("position"));
    EditorLook::setUp(SynEdit1, SQSHighlighter);
    connectActions();
    removeCollidingEditorKeys();
}

TForm1::~TForm1()
{
    FormDestroy();
    // The recent-files list goes with the window's components, writing its section.
    delete MRU;
}

void TForm1::connectActions()
{
    connectDocumentActions();
    connect(N4, &QAction::triggered, this, &TForm1::N4Click);
    connect(N52, &QAction::triggered, this, &TForm1::N52Click);
    connect(N54, &QAction::triggered, this, &TForm1::N54Click);
    // These two decide from their own check mark, which the menu has already flipped.
    connect(N36, &QAction::triggered, this, [this] { N36->setChecked(!N36->isChecked()); N36Click(); });
    connect(N77, &QAction::triggered, this, [this] { N77->setChecked(!N77->isChecked()); N77Click(); });
    connect(N65, &QAction::triggered, this, &TForm1::N65Click);
    connect(N66, &QAction::triggered, this, &TForm1::N66Click);
    connect(N84, &QAction::triggered, this, &TForm1::N84Click);
    connect(N85, &QAction::triggered, this, &TForm1::N85Click);
    connect(OFP1, &QAction::triggered, this, &TForm1::OFP1Click);
    connect(ArmA1, &QAction::triggered, this, &TForm1::ArmA1Click);
}

// The editor's own bindings would swallow the program's shortcuts.
void TForm1::removeCollidingEditorKeys()
{
    QList<int> taken;
    for (QKeyCombination key : {Qt::CTRL | Qt::Key_T, Qt::CTRL | Qt::Key_U, Qt::CTRL | Qt::SHIFT | Qt::Key_U,
                                Qt::CTRL | Qt::Key_L, Qt::CTRL | Qt::SHIFT | Qt::Key_L, Qt::CTRL | Qt::Key_D,
                                Qt::CTRL | Qt::Key_Y, QKeyCombination(Qt::Key_F8)})
        taken.append(key.toCombined());
    for (QAction *action : findChildren<QAction *>())
        for (const QKeySequence &seq : action->shortcuts())
            if (seq.count() == 1)
                taken.append(seq[0].toCombined());
    QsciCommandSet *commands = SynEdit1->standardCommands();
    for (QsciCommand *command : commands->commands()) {
        if (taken.contains(command->key()))
            command->setKey(0);
        if (taken.contains(command->alternateKey()))
            command->setAlternateKey(0);
    }
    if (QsciCommand *del = commands->find(QsciCommand::LineDelete))
        del->setKey(Qt::Key_F8);
}

void TForm1::FormCreate(const QStringList &arguments)
{
    setAcceptDrops(true);
    // The editor takes drops of its own (text); files dropped on it reach the window.
    SynEdit1->viewport()->installEventFilter(this);
    // An error ends start-up at the failing step; the window still comes up.
    try {
        createRecentFiles();
        createSaveDialog();
        SynEdit1->setOverwriteMode(KeyState::isToggledOn(KeyState::Key::Insert));
        LastPRIndex = LastSWIndex = LastHGIndex = 0;

        const QString configPath = AppPaths::configFile();
        IniFile ini(configPath);
        FRMP->IniFileName = configPath;
        ReadSettings(ini);
        FillTemplateMenu();
        if (!arguments.isEmpty() && !arguments.first().isEmpty())
            OpenCommandLineFile(arguments.first(), ini);
    } catch (const AppError &error) {
        Dialogs::showError(this, error);
    }
}

void TForm1::createRecentFiles()
{
    MRU = new TMostRecentFiles(this);
    MRU->setMaxFiles(8);
    MRU->setShowFullPath(false);
    MRU->setOwnerMenuItem(N88);
    MRU->setIniFile(AppPaths::configFile());
    MRU->OnMenuClick = [this](QAction *sender, const QString &fileName) { MyMRUClick(sender, fileName); };
}

void TForm1::createSaveDialog()
{
    SavePreviewDialog = new TPBSavePreviewDialog(this);
    SavePreviewDialog->setObjectName(QStringLiteral("SavePreviewDialog"));
    SavePreviewDialog->setFilter(QStringLiteral("SQS|*.sqs|SQF|*.sqf|EXT|*.ext|SQM|*.sqm|CSV|*.csv|TXT|*.txt|"
                                                "HTML|*.html|Свое расширение (*.*)|*.*"));
    // Overwrite prompt and sizing; Qt's dialog has no read-only box to hide.
    SavePreviewDialog->setOption(QFileDialog::DontConfirmOverwrite, false);
    SavePreviewDialog->setSizeGripEnabled(true);
}

void TForm1::FillTemplateMenu()
{
    N45->clear();
    const QDir dir(AppPaths::exeDir() + QStringLiteral("/templates"));
    const QStringList names = dir.entryList({QStringLiteral("*.sqs")}, QDir::Files, QDir::Unsorted);
    for (const QString &name : names) {
        QAction *item = N45->addAction(name);
        connect(item, &QAction::triggered, this, &TForm1::AClick);
    }
    N45->menuAction()->setVisible(!N45->isEmpty());
}

// Inserts the chosen template's bytes at the caret.
void TForm1::AClick()
{
    auto *item = qobject_cast<QAction *>(sender());
    if (!item)
        return;
    try {
        const QByteArray bytes = LoadFileToString(AppPaths::exeDir() + QStringLiteral("/templates/") + item->text());
        SynEdit1->replaceSelectedText(Cp1251::decode(bytes));
    } catch (const AppError &error) {
        Dialogs::showError(this, error);
    }
}

void TForm1::OpenCommandLineFile(const QString &path, IniFile &ini)
{
    // A path relative to the folder the program was started in would mean another file
    // in the next run's recent-files list.
    if (!MyFileOpen(QFileInfo(path).absoluteFilePath()))
        return;
    MRU->AddFile(CurrentFileName);
    const CommentStyle style = commentStyleOfExtension(fileExtension(CurrentFileName));
    if (style != CommentStyle::Unchanged)
        ReadCommentKeys(ini, style == CommentStyle::Sqs);
}

bool TForm1::modified() const
{
    return SynEdit1->isModified();
}

bool TForm1::FormCloseQuery()
{
    bool canClose = true;
    if (modified()) {
        switch (Dialogs::question(this, QStringLiteral("Текст изменен. Сохранить изменения ?"))) {
        case Dialogs::Answer::Yes:
            canClose = N6Click() && !modified();
            break;
        case Dialogs::Answer::No:
            break;
        default:
            canClose = false;
            break;
        }
    }
    if (!canClose)
        return false;
    try {
        IniFile ini(AppPaths::configFile());
        WriteSettings(ini);
    } catch (const AppError &error) {
        // The settings are lost for this run, but the user must still be able to quit.
        Dialogs::showError(this, error);
    }
    return true;
}

void TForm1::closeEvent(QCloseEvent *event)
{
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    try {
        FRMP->IniFileName = AppPaths::configFile();
        FRMP->save();
        FRMP->saveToolBar(this, ToolBar1);
    } catch (const AppError &) {
        // Already reported by the settings write.
    }
    event->accept();
}

void TForm1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    try {
        FRMP->restore();
    } catch (const AppError &error) {
        Dialogs::showError(this, error);
    }
}

void TForm1::FormDestroy()
{
    delete SavePreviewDialog;
    SavePreviewDialog = nullptr;
    // The lists stay valid until the window goes, so a cancelled log-off keeps them usable.
    WeaponList.clear();
    MagazineList.clear();
    AnimationList.clear();
}
