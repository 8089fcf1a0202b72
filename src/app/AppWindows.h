// The program's fifteen windows, created in their order at start-up, wired to each other's requests,
// and released in reverse at exit.
#pragma once

#include "editor/MainWindow.h"
#include "gamedata/Game.h"

#include <QStringList>
#include <memory>

class AboutBox;
class BriefingWizard;
class CommandHelpWindow;
class CrateWizard;
class DescriptionWizard;
class FileAssociationsDialog;
class GoToLineDialog;
class InitLineDialog;
class OverviewWizard;
class QApplication;
class QDialog;
class SettingsDialog;
class ShortcutListDialog;
class StringtableRowDialog;
class StringtableWizard;
class UnitWizard;

// Title "Velmora", the icon theme, Russian translations of Qt's own dialogs.
void prepareApplication(QApplication &app);

class AppWindows
{
public:
    // The main window comes first and reads the settings and the command-line file before the
    // others exist.
    explicit AppWindows(const QStringList &arguments);
    ~AppWindows();
    AppWindows(const AppWindows &) = delete;
    AppWindows &operator=(const AppWindows &) = delete;

    const CurrentGame &game() const { return m_game; }
    MainWindow *mainWindow() const { return m_main.get(); }
    GoToLineDialog *goToLineDialog() const { return m_goToLine.get(); }
    ShortcutListDialog *shortcutListDialog() const { return m_shortcutList.get(); }
    AboutBox *aboutBox() const { return m_about.get(); }
    SettingsDialog *settingsDialog() const { return m_settings.get(); }
    BriefingWizard *briefingWizard() const { return m_briefing.get(); }
    OverviewWizard *overviewWizard() const { return m_overview.get(); }
    UnitWizard *unitWizard() const { return m_unit.get(); }
    CommandHelpWindow *commandHelpWindow() const { return m_commandHelp.get(); }
    CrateWizard *crateWizard() const { return m_crate.get(); }
    DescriptionWizard *descriptionWizard() const { return m_description.get(); }
    InitLineDialog *initLineDialog() const { return m_initLine.get(); }
    FileAssociationsDialog *fileAssociationsDialog() const { return m_fileAssociations.get(); }
    StringtableWizard *stringtableWizard() const { return m_stringtable.get(); }
    StringtableRowDialog *stringtableRowDialog() const { return m_stringtableRow.get(); }

private:
    void create(const QStringList &arguments);
    void connectRequests();
    void placeWindows();
    void open(MainWindow::Window window);
    void openSettings();
    void openFileAssociations();
    // Modal without a nested event loop: the dialog blocks the other windows while it is shown, and
    // nobody waits for its answer.
    void showModal(QDialog *dialog);
    // A window already open comes to the front.
    static void showModeless(QDialog *dialog);

    CurrentGame m_game; // before every window that reads it
    // In the order of creation; members are destroyed in reverse.
    std::unique_ptr<MainWindow> m_main;
    std::unique_ptr<GoToLineDialog> m_goToLine;
    std::unique_ptr<ShortcutListDialog> m_shortcutList;
    std::unique_ptr<AboutBox> m_about;
    std::unique_ptr<SettingsDialog> m_settings;
    std::unique_ptr<BriefingWizard> m_briefing;
    std::unique_ptr<OverviewWizard> m_overview;
    std::unique_ptr<UnitWizard> m_unit;
    std::unique_ptr<CommandHelpWindow> m_commandHelp;
    std::unique_ptr<CrateWizard> m_crate;
    std::unique_ptr<DescriptionWizard> m_description;
    std::unique_ptr<InitLineDialog> m_initLine;
    std::unique_ptr<FileAssociationsDialog> m_fileAssociations;
    std::unique_ptr<StringtableWizard> m_stringtable;
    std::unique_ptr<StringtableRowDialog> m_stringtableRow;
};
