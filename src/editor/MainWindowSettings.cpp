// The settings in force and the live objects that show them: taken from the form, read at start-up,
// followed at every change, written at the close; the settings dialog's OK.
#include "editor/MainWindow.h"

#include "ui_MainWindow.h"

#include "AppError.h"
#include "editor/ScriptLexer.h"
#include "platform/Dialogs.h"
#include "reference/CompletionList.h"
#include "settings/IniFile.h"

#include <QSignalBlocker>

namespace {

// What the editor's look and the highlighter take of the settings; the view items apart.
bool sameLook(const EditorSettings &a, const EditorSettings &b)
{
    return a.completionShortcut == b.completionShortcut && a.font == b.font && a.selBackground == b.selBackground
        && a.selForeground == b.selForeground && a.activeLineColor == b.activeLineColor
        && a.background == b.background && a.attributes == b.attributes && a.tabsToSpaces == b.tabsToSpaces;
}

} // namespace

const MainWindow::ViewItem MainWindow::kViewItems[] = {
    {&EditorSettings::lineNumbers, &MainWindow::showLineNumbers},
    {&EditorSettings::speedBar, &MainWindow::showSpeedBar},
    {&EditorSettings::commandPanel, &MainWindow::showCommandPanel},
    {&EditorSettings::bigSpeedButtons, &MainWindow::showBigSpeedButtons},
    {&EditorSettings::wordWrap, &MainWindow::showWordWrap},
    {&EditorSettings::columnSelection, &MainWindow::showColumnSelection},
};

// What the window's live objects hold when it is made, the values that a missing key keeps.
EditorSettings MainWindow::formSettings() const
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
    const auto attributes = m_lexer->keyedAttributes();
    for (int i = 0; i < kKeyedAttributeCount; ++i)
        s.attributes[i] = attributes[i]->look();
    s.sqsComments = m_lexer->sqsComments();
    s.comment = commentKeysInForce();
    s.tabsToSpaces = tabsToSpaces();
    s.game = m_game.game();
    return s;
}

// Each key over what the form holds; a colour that cannot be read is reported and the rest is read
// all the same. Everything read is applied, whatever the form showed.
void MainWindow::readSettings(const IniFile &ini)
{
    EditorSettings current = m_settings.values();
    current.comment = {}; // a missing comment key takes what the comment style of the file gives it
    const EditorSettings s = SettingsFile::read(ini, current, [this](const AppError &error) {
        Dialogs::showError(this, error);
    });
    applyViewSettings(s);
    setGame(s.game); // a game whose data cannot be read leaves the one in force
    applyLookSettings(s);
    m_commentKeysRead = s.comment;
    EditorSettings inForce = s;
    inForce.game = m_game.game();
    {
        const QSignalBlocker applied(&m_settings); // applied above, whatever the form showed
        m_settings.set(inForce);
    }
    applyCommentKeys(s.sqsComments);
}

void MainWindow::writeSettings(IniFile &ini) const
{
    SettingsFile::write(ini, m_settings.values());
}

// The dialog's values in force; the comment style the user chose becomes the one in force too.
void MainWindow::applySettings(const EditorSettings &s)
{
    m_settings.set(s);
    applyCommentStyle(s.sqsComments, s.comment.lookFor(s.sqsComments, Colors::clNone));
}

// Each change reaches only what shows it: a view item's own control, the look as a whole.
void MainWindow::followSettings(const EditorSettings &now, const EditorSettings &before)
{
    for (const auto &[value, show] : kViewItems)
        if (now.*value != before.*value)
            (this->*show)(now.*value);
    if (!sameLook(now, before))
        applyLookSettings(now);
}

void MainWindow::applyViewSettings(const EditorSettings &s)
{
    for (const auto &[value, show] : kViewItems)
        (this->*show)(s.*value);
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
