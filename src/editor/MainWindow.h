// The main window: the editor with its menus, speed bar and status bar; it hands each concern
// to the file or class that owns it (MainWindowDocuments.cpp, MainWindowSettings.cpp, ...).
#pragma once

#include "editor/Document.h"
#include "editor/EditorLook.h"
#include "gamedata/Game.h"
#include "gamedata/GameDataFile.h"
#include "settings/SettingsInForce.h"

#include <QMainWindow>
#include <QStringList>
#include <memory>

namespace Ui {
class MainWindow;
}
namespace PrintLayout {
struct Result;
}

class ColumnSelection;
class CompletionList;
struct GameTarget;
class IniFile;
class QAction;
class QDragMoveEvent;
class QFileDialog;
class QMenu;
class QPrinter;
class QsciScintilla;
class RecentFiles;
class SaveDialog;
class ScriptLexer;
class SpeedBarCustomizeDialog;
class StatusBar;
class WindowPlacement;

class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    // The windows the menus and the speed bar open; the program wires them to the requests.
    enum class Window { GoToLine, ShortcutList, About, Settings, Briefing, Overview, Unit, Crate, Description, Stringtable };

    // ---- Life: construction, start-up, the close question, shutdown (MainWindow.cpp) ----
    // `game` is the game in force, which only this window's game switch sets.
    explicit MainWindow(CurrentGame &game, QWidget *parent = nullptr);
    ~MainWindow() override;
    // Runs once after construction, before any other window exists: the settings, the game
    // data, the templates and the file named on the command line.
    void start(const QStringList &arguments);

    QsciScintilla *editor() const;
    ScriptLexer *lexer() const { return m_lexer; }
    CompletionList *completion() const { return m_completion; }
    StatusBar *statusPanels() const;
    const EditorLook &look() const { return m_look; }
    RecentFiles *recentFiles() const { return m_recentFiles; }
    // Made at the first Save As (a file dialog reads its folder when it is made) and kept.
    SaveDialog *saveDialog();
    bool modified() const;
    // The settings in force: what config.ini gets and the settings dialog shows.
    SettingsInForce &settings() { return m_settings; }
    const SettingsInForce &settings() const { return m_settings; }
    const Document &document() const { return m_document; }
    // What data.dat gives of the game in force beyond the tree: commands and the names completed.
    const GameData &gameData() const { return m_gameData; }

    // ---- Documents: new, open, save, re-encode, exit (MainWindowDocuments.cpp) ----
    // The editor's text form: lines joined by CR LF.
    QString editorText() const;
    void setEditorText(const QString &text);
    // The document is the file at `path` from here on: its name in the caption, Save writes there.
    void nameDocument(const QString &path);
    void newDocument();
    void newWindow();
    void openWithDialog();
    void openRecentFile(const QString &fileName);
    void openDroppedFiles(const QStringList &files);
    // True when the file was read; only then do the text, caption and current file name change.
    bool loadFile(const QString &fileName);
    // True when the text was written; a failed or cancelled save leaves it modified.
    bool save();
    bool saveAs();
    bool saveInGameEncoding(const QString &text);
    void reencodeAnsiAsUtf8();
    void reencodeUtf8AsAnsi();
    void exit();
    // Saves, then asks for the program to end at once (exitRequested), without the closing question.
    void saveAndExit();

    // ---- Printing (MainWindowPrint.cpp) ----
    void printSetup();
    // The editor's lines as lines of text on the pages of a printer or a PDF file: the pages, their
    // order and the copies as the print dialog set them. The text is laid out once, and again only
    // when the dialog changed the paper or the printer.
    void print();

    // ---- Settings of config.ini (MainWindowSettings.cpp) and comment styles (MainWindowComments.cpp) ----
    // The comment style an opened file asks for, carrying the comment look of the style in force.
    void setCommentStyle(bool sqs);

    // ---- The game in force (MainWindowGameMode.cpp) ----
    // Loads the game's half of data.dat and makes it the game in force; a file that cannot be read
    // leaves the game as it was. A switch to the game in force reloads it.
    void setGame(Game game);

    // ---- View options and the speed bar (MainWindowView.cpp) ----
    void toggleLineNumbers();
    void toggleSpeedBar();
    void toggleWordWrap();
    void toggleCommandPanel();
    void toggleHighlighting();
    void setNormalSelection();
    void setColumnSelection();
    // The speed bar's button: column selection when it is off, normal selection when it is on.
    void toggleSelectionMode();
    void setBigSpeedButtons();
    void setSmallSpeedButtons();
    // Speed-bar items show the image of their index in the program's image list.
    void setSpeedItemImage(QAction *item, int imageIndex);
    // Shows the customise window, made on first use and kept.
    void customizeSpeedBar();

    // ---- Line commenting, layout and case repair (MainWindowEditing.cpp) ----
    // Comments or uncomments the selected lines, or the caret's line, in the comment style in force.
    void toggleLineComments();
    // The separator comment of the style in force, in place of the selection.
    void insertSeparator();
    // The selection retyped in the other keyboard layout, or with the letter case swapped; with
    // nothing selected, a beep and a message.
    void repairKeyboardLayout();
    void repairLetterCase();

    // ---- Window launchers, game launch, formatter, settings dialog (MainWindowTools.cpp) ----
    // Asks for the settings dialog, whose comment style then starts from the style in force.
    void openSettings();
    // Brings the game's window back, else starts the game; saves first when the settings say so.
    void runGame();
    // The game's clipboard.txt: opened with the desktop's program, or its text put on the clipboard.
    void openClipboardFile();
    void copyClipboardFile();
    // The external formatter over the whole text or the selection, each one step to undo.
    void formatWholeText();
    void formatSelection();

public slots:
    // Replaces the editor's selection (inserts at the caret when there is none), one step to undo.
    void insertText(const QString &text);
    // The settings dialog's OK: its values in force; config.ini gets them at the close.
    void applySettings(const EditorSettings &settings);

signals:
    void windowRequested(MainWindow::Window window);
    // Save and exit: the program ends now, without the closing question or the settings write.
    void exitRequested();
    // F1 or the pop-up menu on a command with a help card: the card's lines.
    void commandHelpRequested(const QStringList &card);

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Life (MainWindow.cpp)
    void connectActions();
    // The editor's own pop-up menu PopupMenu1 in place of QScintilla's English one.
    void createEditorMenu();
    void removeCollidingEditorKeys();
    void createRecentFiles();
    void fillTemplateMenu();
    void insertTemplate(const QString &path);
    void openCommandLineFile(const QString &path);
    bool canClose();
    void writePlacement();
    void releaseDocumentObjects();

    // Documents (MainWindowDocuments.cpp)
    void connectDocumentActions();
    bool askToSaveChanges();
    // Window caption; Qt would append the application name to a caption that lacks it.
    void setDocumentTitle(const QString &title);
    void applyExtensionRule();
    void openDocument(const QString &path, bool addToRecent);
    void replaceTextUndoably(const QString &text);
    QPrinter &printer();
    void printPages(QPrinter &printer, const PrintLayout::Result &laidOut);

    // Settings and comment styles (MainWindowSettings.cpp, MainWindowComments.cpp)
    EditorSettings formSettings() const;
    void readSettings(const IniFile &ini);
    void writeSettings(IniFile &ini) const;
    void followSettings(const EditorSettings &now, const EditorSettings &before);
    // Each view item of the settings, with what shows it.
    struct ViewItem
    {
        bool EditorSettings::*value;
        void (MainWindow::*show)(bool on);
    };
    static const ViewItem kViewItems[6];
    void applyViewSettings(const EditorSettings &settings);
    void applyLookSettings(const EditorSettings &settings);
    void applyCommentStyle(bool sqs, const TextLook &look);
    void applyCommentKeys(bool sqs);
    CommentKeys commentKeysInForce() const;
    void keepCommentStyleInForce();
    void setTabsToSpaces(bool on);
    bool tabsToSpaces() const;

    // The game in force (MainWindowGameMode.cpp)
    void showGame(Game game);

    // View options and the speed bar (MainWindowView.cpp)
    void connectViewActions();
    void setUpSpeedBar();
    void showLineNumbers(bool on);
    void showSpeedBar(bool on);
    void showWordWrap(bool on);
    void showCommandPanel(bool on);
    void showColumnSelection(bool on);
    void showBigSpeedButtons(bool big);

    // Search (MainWindowSearch.cpp)
    void connectSearchActions();

    // Bookmarks and bracket marks (MainWindowMarks.cpp)
    void connectBracketActions();
    void connectBookmarkActions();

    // Editing commands, line commenting and repair (MainWindowEditing.cpp)
    void connectEditCommands();
    void connectEditingActions();
    void repairSelection(QString (*convert)(QStringView), const QString &message);

    // Reference tree, command help, completion, the pop-up menu (MainWindowReference.cpp)
    void connectReferenceActions();
    // Sets the pop-up menu's items for the caret and the selection, each time it opens.
    void updateEditorMenu();
    void buildTree(const QStringList &dataLines, Game game);
    void insertTreeEntry();
    void showHelpForKey();
    void showCommandHelp(const QString &name);
    QString helpCardPath(const QString &name) const;
    QString wordAtCaret() const;
    void setUpCompletion();
    void fillArgumentNames();

    // Window launchers, game launch, formatter (MainWindowTools.cpp)
    void connectToolActions();
    void connectWindowLaunchers();
    GameTarget currentGame() const;
    void reportMissingClipboardFile(const GameTarget &game);
    void formatText(const QString &text, bool whole);

    std::unique_ptr<Ui::MainWindow> ui;
    CurrentGame &m_game;
    SettingsInForce m_settings;
    Document m_document;
    GameData m_gameData; // of the game in force
    QMenu *m_popupMenu = nullptr; // PopupMenu1
    // The editor's viewport, compared as it stands: it sends events while the editor goes.
    const QObject *m_editorViewport = nullptr;
    ScriptLexer *m_lexer = nullptr;
    CompletionList *m_completion = nullptr;
    CompletionList *m_argumentCompletion = nullptr; // WeapCompleter: names inside quotes
    RecentFiles *m_recentFiles = nullptr;
    SaveDialog *m_saveDialog = nullptr;
    QFileDialog *m_openDialog = nullptr; // made on first use
    bool m_openDialogUsed = false;       // with the save dialog's first use: where Save As starts
    std::unique_ptr<WindowPlacement> m_placement;
    std::unique_ptr<QPrinter> m_printer;
    EditorLook m_look; // colours and font of SynEdit1 as the settings file holds them
    CommentKeys m_commentKeysRead; // a file named on the command line has its style take them
    ColumnSelection *m_columnSelection = nullptr;
    SpeedBarCustomizeDialog *m_speedBarDialog = nullptr;
};
