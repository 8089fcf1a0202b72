// The order of creation of the windows, the wiring of their requests, and their release at exit.
#include "app/AppWindows.h"

#include "common/WindowPosition.h"
#include "platform/Dialogs.h"
#include "dialogs/AboutBox.h"
#include "dialogs/FileAssociationsDialog.h"
#include "dialogs/GoToLineDialog.h"
#include "dialogs/SettingsDialog.h"
#include "dialogs/ShortcutListDialog.h"
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
#include "wizards/WizardWindow.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QWindow>

namespace {

// The crate wizard's own place: near the top left of the desktop, clear of the main window's menus.
constexpr QPoint kCratePlace(120, 90);

} // namespace

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
    create(arguments);
    connectRequests();
    placeWindows();
}

AppWindows::~AppWindows() = default;

void AppWindows::create(const QStringList &arguments)
{
    Dialogs::setApplicationTitle(QStringLiteral("Velmora")); // until a document gives it its name
    m_main = std::make_unique<MainWindow>(m_game);
    m_main->start(arguments);
    m_goToLine = std::make_unique<GoToLineDialog>(*m_main->editor());
    m_shortcutList = std::make_unique<ShortcutListDialog>();
    m_about = std::make_unique<AboutBox>();
    m_settings = std::make_unique<SettingsDialog>();
    m_briefing = std::make_unique<BriefingWizard>(m_game);
    m_overview = std::make_unique<OverviewWizard>(m_game);
    m_unit = std::make_unique<UnitWizard>(m_game);
    m_commandHelp = std::make_unique<CommandHelpWindow>(m_main.get());
    m_crate = std::make_unique<CrateWizard>(m_game);
    m_description = std::make_unique<DescriptionWizard>(m_game);
    m_initLine = std::make_unique<InitLineDialog>();
    m_fileAssociations = std::make_unique<FileAssociationsDialog>();
    m_stringtable = std::make_unique<StringtableWizard>(m_game);
    m_stringtableRow = std::make_unique<StringtableRowDialog>(*m_stringtable, m_main.get());
}

void AppWindows::connectRequests()
{
    MainWindow *main = m_main.get();
    QObject::connect(main, &MainWindow::windowRequested, main, [this](MainWindow::Window window) { open(window); });
    QObject::connect(main, &MainWindow::commandHelpRequested, m_commandHelp.get(), &CommandHelpWindow::showCard);
    QObject::connect(m_settings.get(), &QDialog::accepted, main,
                     [this] { m_main->applySettings(m_settings->settings()); });
    QObject::connect(m_settings.get(), &SettingsDialog::fileAssociationsRequested, main,
                     [this] { openFileAssociations(); });

    const WizardWindow *writers[] = {m_briefing.get(), m_overview.get(),    m_unit.get(),      m_crate.get(),
                                     m_description.get(), m_initLine.get(), m_stringtable.get()};
    for (const WizardWindow *wizard : writers)
        QObject::connect(wizard, &WizardWindow::insertRequested, main, &MainWindow::insertText);
    const auto showLine = [this](const QString &line, QWidget *owner) { m_initLine->showLine(line, owner); };
    QObject::connect(m_unit.get(), &UnitWizard::initLineRequested, main, showLine);
    QObject::connect(m_crate.get(), &CrateWizard::initLineRequested, main, showLine);
    QObject::connect(m_stringtable.get(), &StringtableWizard::addRowRequested, main,
                     [this] { m_stringtableRow->addRow(); });
}

// Where each window stands whenever it is shown. The main window and the command help window come
// back where they were left; the init line is centred on the wizard that asks for it; the row dialog
// has its own place.
void AppWindows::placeWindows()
{
    using WindowPosition::Rule;
    const QWidget *main = m_main.get();
    const std::pair<QWidget *, Rule> rules[] = {
        {m_unit.get(), Rule::CentredOnDesktop},        {m_description.get(), Rule::CentredOnDesktop},
        {m_stringtable.get(), Rule::CentredOnDesktop}, {m_briefing.get(), Rule::CentredOnDesktop},
        {m_settings.get(), Rule::CentredOnDesktop},    {m_overview.get(), Rule::CentredOnWindow},
        {m_goToLine.get(), Rule::CentredOnWindow},     {m_shortcutList.get(), Rule::CentredOnWindow},
        {m_about.get(), Rule::CentredOnWindow},        {m_fileAssociations.get(), Rule::CentredOnWindow},
    };
    for (const auto &[window, rule] : rules)
        WindowPosition::placeAtEachShowing(window, rule, main);
    WindowPosition::placeAtEachShowing(m_crate.get(), Rule::AtOffset, main, kCratePlace);
}

void AppWindows::open(MainWindow::Window window)
{
    using W = MainWindow::Window;
    if (window == W::Settings)
        return openSettings();
    const std::pair<W, QDialog *> dialogs[] = {
        {W::GoToLine, m_goToLine.get()}, {W::ShortcutList, m_shortcutList.get()}, {W::About, m_about.get()},
        {W::Briefing, m_briefing.get()}, {W::Overview, m_overview.get()},         {W::Unit, m_unit.get()},
        {W::Crate, m_crate.get()},       {W::Description, m_description.get()},   {W::Stringtable, m_stringtable.get()},
    };
    for (const auto &[which, dialog] : dialogs)
        if (which == window)
            return dialog->isModal() ? showModal(dialog) : showModeless(dialog);
}

// Filled from the settings in force each time; its OK puts its values in force.
void AppWindows::openSettings()
{
    m_settings->setSettings(m_main->settings().values());
    showModal(m_settings.get());
}

// Usable beside the modal settings dialog: a window of that dialog's own, not one it blocks.
void AppWindows::openFileAssociations()
{
    QDialog *associations = m_fileAssociations.get();
    associations->winId();
    associations->windowHandle()->setTransientParent(m_settings->windowHandle());
    associations->show();
    associations->raise();
    associations->activateWindow();
}

void AppWindows::showModal(QDialog *dialog)
{
    dialog->adjustSize();
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void AppWindows::showModeless(QDialog *dialog)
{
    dialog->setWindowState(dialog->windowState() & ~Qt::WindowMinimized);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}
