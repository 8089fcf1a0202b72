// The settings of config.ini and the live objects that hold them: gathered for the file and the
// settings dialog, applied at start-up and from the dialog.
#include "editor/MainWindow.h"

#include "editor/ProgramState.h"
#include "ui_MainWindow.h"

#include "AppError.h"
#include "editor/ScriptLexer.h"
#include "platform/Dialogs.h"
#include "reference/CompletionList.h"
#include "settings/IniFile.h"

EditorSettings MainWindow::currentSettings() const
{
    EditorSettings s;
    s.lineNumbers = ui->N4->isChecked();
    s.speedBar = ui->N52->isChecked();
    s.commandPanel = ui->N36->isChecked();
    s.bigSpeedButtons = ui->N84->isChecked();
    s.wordWrap = ui->N54->isChecked();
    s.columnSelection = ui->N66->isChecked();
    s.completionShortcut = m_completion->shortcutCode;
    s.font = m_look.fontKeys();
    s.selBackground = m_look.selBackground;
    s.selForeground = m_look.selForeground;
    s.activeLineColor = m_look.activeLineColor;
    s.background = m_look.color;
    s.bracketForeground = ProgramState::bracketFgColor;
    s.bracketBackground = ProgramState::bracketBgColor;
    const auto attributes = m_lexer->keyedAttributes();
    for (int i = 0; i < kKeyedAttributeCount; ++i)
        s.attributes[i] = attributes[i]->look();
    s.sqsComments = m_commentStyleSetting;
    const TextLook comment = m_lexer->commentLook(ProgramState::sqsCommentMode);
    s.comment = {comment.color, comment.bold, comment.italic};
    s.tabsToSpaces = tabsToSpaces();
    s.ofpExePath = ProgramState::ofpExePath;
    s.armaExePath = ProgramState::armaExePath;
    s.saveBeforeRun = ProgramState::saveBeforeRun;
    s.game = m_game.game();
    return s;
}

// Each key over what the live object holds; a colour that cannot be read is reported and the rest
// is read all the same.
void MainWindow::readSettings(const IniFile &ini)
{
    EditorSettings current = currentSettings();
    current.comment = {}; // a missing comment key takes what the comment style of the file gives it
    const EditorSettings s = SettingsFile::read(ini, current, [this](const AppError &error) {
        Dialogs::showError(this, error);
    });
    applyViewSettings(s);
    setGame(s.game);
    applyLookSettings(s);
    m_commentStyleSetting = s.sqsComments;
    m_commentKeysRead = s.comment;
    applyCommentKeys(s.sqsComments);
}

void MainWindow::writeSettings(IniFile &ini) const
{
    SettingsFile::write(ini, currentSettings());
}

void MainWindow::applyViewSettings(const EditorSettings &s)
{
    ui->N4->setChecked(s.lineNumbers);
    ui->N52->setChecked(s.speedBar);
    ui->N36->setChecked(s.commandPanel);
    s.bigSpeedButtons ? setBigSpeedButtons() : setSmallSpeedButtons();
    ui->N54->setChecked(s.wordWrap);
    m_look.setGutterVisible(ui->SynEdit1, s.lineNumbers);
    ui->Panel1->setVisible(s.commandPanel);
    m_look.setSplitterVisible(ui->Splitter1, s.commandPanel);
    ui->ToolBar1->setVisible(s.speedBar);
    m_look.setWordWrap(ui->SynEdit1, s.wordWrap);
    s.columnSelection ? setColumnSelection() : setNormalSelection();
}

// What the settings dialog changes, the comment style apart.
void MainWindow::applyLookSettings(const EditorSettings &s)
{
    m_completion->shortcutCode = s.completionShortcut;
    m_look.setFontKeys(s.font);
    m_look.selBackground = s.selBackground;
    m_look.selForeground = s.selForeground;
    m_look.activeLineColor = s.activeLineColor;
    m_look.color = s.background;
    m_look.apply(ui->SynEdit1, m_lexer);
    ProgramState::bracketFgColor = s.bracketForeground;
    ProgramState::bracketBgColor = s.bracketBackground;
    ProgramState::ofpExePath = s.ofpExePath; // as typed: a wrong path shows when the game is started
    ProgramState::armaExePath = s.armaExePath;
    ProgramState::saveBeforeRun = s.saveBeforeRun;
    const auto attributes = m_lexer->keyedAttributes();
    for (int i = 0; i < kKeyedAttributeCount; ++i)
        attributes[i]->setLook(s.attributes[i]);
    setTabsToSpaces(s.tabsToSpaces);
}

void MainWindow::setTabsToSpaces(bool on)
{
    ui->SynEdit1->setIndentationsUseTabs(!on);
}

bool MainWindow::tabsToSpaces() const
{
    return !ui->SynEdit1->indentationsUseTabs();
}
