// Main window life: construction, start-up, the close question, shutdown.
#include "editor/MainWindow.h"

#include "AppError.h"
#include "AppPaths.h"
#include "editor/RecentFiles.h"
#include "editor/SaveDialog.h"
#include "editor/SelectionEdits.h"
#include "editor/StatusBarUpdater.h"
#include "editor/ScriptLexer.h"
#include "common/WindowPlacement.h"
#include "platform/Dialogs.h"
#include "platform/KeyState.h"
#include "reference/CompletionList.h"
#include "script/CommentStyle.h"
#include "settings/IniFile.h"
#include "text/DocumentCodec.h"
#include "text/FileText.h"
#include "ui_MainWindow.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPrinter>
#include <Qsci/qscicommandset.h>
#include <algorithm>

namespace {

// The speed bar's section name that older settings files use, kept so that their layouts still load.
const QString kSpeedBarKey = QStringLiteral("TForm1ToolBar1");

constexpr int kCommandPanelWidth = 220;

} // namespace

MainWindow::MainWindow(CurrentGame &game, QWidget *parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::MainWindow>()), m_game(game)
{
    ui->setupUi(this);
    connect(&m_game, &CurrentGame::changed, this, &MainWindow::showGame);
    m_lexer = new ScriptLexer(this);
    // The highlighter takes the editor's font: the settings' default font from the start, so the
    // fonts measured before the settings are read are the ones the default settings keep.
    ui->SynEdit1->setFont(m_look.font);
    ui->SynEdit1->setLexer(m_lexer);
    m_completion = new CompletionList(this);
    m_completion->setObjectName(QStringLiteral("SynCompletionProposal1"));
    m_placement = std::make_unique<WindowPlacement>(this, QStringLiteral("position"));
    EditorLook::setUp(ui->SynEdit1, m_lexer);
    ui->SynEdit1->setFocus(); // typing goes to the editor when the window comes up
    // The command panel keeps its width when the window grows; the editor takes the rest.
    ui->Splitter1->setStretchFactor(0, 0);
    ui->Splitter1->setStretchFactor(1, 1);
    ui->Splitter1->setSizes({kCommandPanelWidth, width() - kCommandPanelWidth});
    connectActions();
    removeCollidingEditorKeys();
    // The form's state is the first in force; from here on the window shows what the settings hold.
    m_settings.set(formSettings());
    connect(&m_settings, &SettingsInForce::changed, this, &MainWindow::followSettings);
    connect(&m_game, &CurrentGame::changed, this,
            [this](Game inForce) { m_settings.change([inForce](EditorSettings &s) { s.game = inForce; }); });
}

MainWindow::~MainWindow()
{
    // The completion lists watch the editor's events: they go before the editor does.
    delete m_argumentCompletion;
    delete m_completion;
    releaseDocumentObjects();
    // The recent-files list goes with the window's components, writing its section.
    delete m_recentFiles;
}

QsciScintilla *MainWindow::editor() const
{
    return ui->SynEdit1;
}

void MainWindow::insertText(const QString &text)
{
    SelectionEdits::replaceSelection(ui->SynEdit1, text);
}

StatusBar *MainWindow::statusPanels() const
{
    return ui->StatusBar1;
}

void MainWindow::connectActions()
{
    createEditorMenu();
    connectDocumentActions();
    connectViewActions();
    connectSearchActions();
    connectBracketActions();
    new StatusBarUpdater(ui->StatusBar1, ui->SynEdit1);
    connectEditCommands();
    connectBookmarkActions();
    connectEditingActions();
    connectReferenceActions();
    connectToolActions();
}

void MainWindow::createEditorMenu()
{
    m_popupMenu = new QMenu(this);
    m_popupMenu->setObjectName(QStringLiteral("PopupMenu1"));
    const QList<QAction *> items = {ui->N26, ui->N27, ui->N28, ui->N29, nullptr, ui->N31, nullptr, ui->Eng2,
                                    ui->cAPSCaps1, nullptr, ui->N89, ui->N69, ui->N68, ui->N79};
    for (QAction *item : items) {
        if (!item) {
            m_popupMenu->addSeparator();
            continue;
        }
        m_popupMenu->addAction(item);
        addAction(item); // its shortcut works while the menu is closed
    }
    ui->SynEdit1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ui->SynEdit1, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        updateEditorMenu();
        m_popupMenu->popup(ui->SynEdit1->mapToGlobal(at));
    });
}

// The editor's own bindings would swallow the program's shortcuts.
void MainWindow::removeCollidingEditorKeys()
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
    QsciCommandSet *commands = ui->SynEdit1->standardCommands();
    for (QsciCommand *command : commands->commands()) {
        if (taken.contains(command->key()))
            command->setKey(0);
        if (taken.contains(command->alternateKey()))
            command->setAlternateKey(0);
    }
}

void MainWindow::start(const QStringList &arguments)
{
    setAcceptDrops(true);
    // The editor takes drops of its own (text); files dropped on it reach the window.
    m_editorViewport = ui->SynEdit1->viewport();
    ui->SynEdit1->viewport()->installEventFilter(this);
    // An error ends start-up at the failing step; the window still comes up.
    try {
        createRecentFiles();
        ui->SynEdit1->setOverwriteMode(KeyState::isToggledOn(KeyState::Key::Insert));

        const QString configPath = AppPaths::configFile();
        IniFile ini(configPath);
        m_placement->setIniFileName(configPath);
        readSettings(ini);
        fillTemplateMenu();
        if (!arguments.isEmpty() && !arguments.first().isEmpty())
            openCommandLineFile(arguments.first());
    } catch (const AppError &error) {
        Dialogs::showError(this, error);
    }
}

void MainWindow::createRecentFiles()
{
    m_recentFiles = new RecentFiles(this);
    m_recentFiles->setMaxFiles(8);
    m_recentFiles->setShowFullPath(false);
    m_recentFiles->setOwnerMenu(ui->N88);
    m_recentFiles->setIniFile(AppPaths::configFile());
    connect(m_recentFiles, &RecentFiles::fileOpenRequested, this, &MainWindow::openRecentFile);
}

SaveDialog *MainWindow::saveDialog()
{
    if (m_saveDialog)
        return m_saveDialog;
    m_saveDialog = new SaveDialog(this);
    m_saveDialog->setObjectName(QStringLiteral("SavePreviewDialog"));
    m_saveDialog->setFilter(QStringLiteral("SQS|*.sqs|SQF|*.sqf|EXT|*.ext|SQM|*.sqm|CSV|*.csv|TXT|*.txt|"
                                           "HTML|*.html|Свое расширение (*.*)|*.*"));
    // Overwrite prompt and sizing; Qt's dialog has no read-only box to hide.
    m_saveDialog->setOption(QFileDialog::DontConfirmOverwrite, false);
    m_saveDialog->setSizeGripEnabled(true);
    return m_saveDialog;
}

void MainWindow::fillTemplateMenu()
{
    ui->N45->clear();
    const QDir dir(AppPaths::exeDir() + QStringLiteral("/templates"));
    QStringList names =
        dir.entryList({QStringLiteral("*.sqs")}, QDir::Files | QDir::Hidden | QDir::System, QDir::Unsorted);
    // By name, compared in upper case as Windows file systems order names, so the menu keeps the
    // order the shipped templates were made with.
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int upper = QString::compare(a.toUpper(), b.toUpper(), Qt::CaseSensitive);
        return upper != 0 ? upper < 0 : a < b;
    });
    for (const QString &name : names) {
        // A '&' in a file name is shown as it is, not taken for the accelerator's mark.
        QAction *item = ui->N45->addAction(QString(name).replace(u'&', QStringLiteral("&&")));
        const QString path = dir.filePath(name);
        connect(item, &QAction::triggered, this, [this, path] { insertTemplate(path); });
    }
    ui->N45->menuAction()->setVisible(!ui->N45->isEmpty());
}

// Inserts the chosen template's text at the caret, decoded as an opened document is, as one
// step to undo. A template that cannot be read is reported and the text stays as it was.
void MainWindow::insertTemplate(const QString &path)
{
    QByteArray bytes;
    try {
        bytes = loadFileToString(path);
    } catch (const AppError &error) {
        Dialogs::showError(this, error);
        return;
    }
    // Decoding keeps the template's final line break, so the text goes on after it.
    SelectionEdits::replaceSelection(ui->SynEdit1, DocumentCodec::decode(bytes));
}

void MainWindow::openCommandLineFile(const QString &argument)
{
    // A path relative to the folder the program was started in would mean another file
    // in the next run's recent-files list.
    const QString path = QFileInfo(argument).absoluteFilePath();
    if (!QFileInfo::exists(path)) {
        // A new file named on the command line: Save creates it.
        nameDocument(path);
    } else {
        if (!loadFile(path))
            return;
        m_recentFiles->addFile(m_document.path());
    }
    const CommentStyle style = commentStyleOfExtension(fileExtension(m_document.path()));
    if (style != CommentStyle::Unchanged)
        applyCommentKeys(style == CommentStyle::Sqs);
}

bool MainWindow::modified() const
{
    return ui->SynEdit1->isModified();
}

bool MainWindow::canClose()
{
    bool allowed = true;
    if (modified()) {
        switch (Dialogs::question(this, QStringLiteral("Текст изменен. Сохранить изменения ?"))) {
        case Dialogs::Answer::Yes:
            allowed = save() && !modified();
            break;
        case Dialogs::Answer::No:
            break;
        default:
            allowed = false;
            break;
        }
    }
    if (!allowed)
        return false;
    try {
        IniFile ini(AppPaths::configFile());
        writeSettings(ini);
    } catch (const AppError &error) {
        // The settings are lost for this run, but the user must still be able to quit.
        Dialogs::showError(this, error);
    }
    return true;
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!canClose()) {
        event->ignore();
        return;
    }
    writePlacement();
    event->accept();
}

// The window placement and the speed-bar layout, on every way out.
void MainWindow::writePlacement()
{
    try {
        m_placement->setIniFileName(AppPaths::configFile());
        m_placement->save();
        m_placement->saveBarLayout(ui->ToolBar1->itemLayout(), kSpeedBarKey, ui->ToolBar1->width(),
                                   ui->ToolBar1->buttonSize());
    } catch (const AppError &) {
        // Already reported by the settings write, or not worth a message on the way out.
    }
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_placement->saved())
        return;
    try {
        m_placement->restore();
        // Names the bar no longer knows are skipped; items the layout does not name come as at first.
        if (const auto layout = m_placement->readBarLayout(kSpeedBarKey))
            ui->ToolBar1->setItemLayout(*layout);
    } catch (const AppError &error) {
        Dialogs::showError(this, error);
    }
}

void MainWindow::releaseDocumentObjects()
{
    delete m_saveDialog;
    m_saveDialog = nullptr;
}
