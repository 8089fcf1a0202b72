// The order of creation of the windows, and their release at exit.
#include "app/AppWindows.h"

#include "dialogs/AboutBox.h"
#include "dialogs/FileAssociationsDialog.h"
#include "dialogs/GoToLineDialog.h"
#include "dialogs/SettingsDialog.h"
#include "dialogs/ShortcutListDialog.h"
#include "editor/MainWindow.h"
#include "editor/SpeedBarIcons.h"
#include "reference/CommandHelpWindow.h"
#include "wizards/BriefingWizard.h"
#include "wizards/CrateWizard.h"
#include "wizards/DescriptionWizard.h"
#include "wizards/InitLineDialog.h"
#include "wizards/OverviewWizard.h"
#include "wizards/StringtableRowDialog.h"
#include "wizards/StringtableWizard.h"
#include "wizards/UnitWizard.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void prepareApplication(QApplication &app)
{
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    SpeedBarIcons::setUpTheme();
    auto *translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}

AppWindows::AppWindows(const QStringList &arguments)
{
    m_main = std::make_unique<MainWindow>();
    m_main->start(arguments);
    m_goToLine = std::make_unique<GoToLineDialog>(*this);
    m_shortcutList = std::make_unique<ShortcutListDialog>(*this);
    m_about = std::make_unique<AboutBox>(*this);
    m_settings = std::make_unique<SettingsDialog>(*this);
    m_briefing = std::make_unique<BriefingWizard>(*this);
    m_overview = std::make_unique<OverviewWizard>(*this);
    m_unit = std::make_unique<UnitWizard>(*this);
    m_commandHelp = std::make_unique<CommandHelpWindow>(*this);
    m_crate = std::make_unique<CrateWizard>(*this);
    m_description = std::make_unique<DescriptionWizard>(*this);
    m_initLine = std::make_unique<InitLineDialog>(*this);
    m_fileAssociations = std::make_unique<FileAssociationsDialog>(*this);
    m_stringtable = std::make_unique<StringtableWizard>(*this);
    m_stringtableRow = std::make_unique<StringtableRowDialog>(*this);
    m_main->attachWindows(this);
}

AppWindows::~AppWindows() = default;
