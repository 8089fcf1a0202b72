// The "Опции" menu: what the window and the editor show; the speed bar and its customise window.
#include "editor/MainWindow.h"

#include "ui_MainWindow.h"

#include "editor/ColumnSelection.h"
#include "editor/ScriptLexer.h"
#include "editor/SpeedBar.h"
#include "editor/SpeedBarCustomizeDialog.h"
#include "editor/SpeedBarIcons.h"
#include "settings/SpeedBarCatalog.h"

#include <QActionGroup>

namespace {

constexpr int kNormalSelectionImage = 25;
constexpr int kColumnSelectionImage = 26;

} // namespace

void MainWindow::connectViewActions()
{
    connect(ui->N4, &QAction::triggered, this, &MainWindow::toggleLineNumbers);
    connect(ui->N52, &QAction::triggered, this, &MainWindow::toggleSpeedBar);
    connect(ui->N54, &QAction::triggered, this, &MainWindow::toggleWordWrap);
    connect(ui->btnWrap, &QAction::triggered, this, &MainWindow::toggleWordWrap);
    connect(ui->N36, &QAction::triggered, this, &MainWindow::toggleCommandPanel);
    // It decides from its own check mark, which the menu has already flipped.
    connect(ui->N77, &QAction::triggered, this, [this] {
        ui->N77->setChecked(!ui->N77->isChecked());
        toggleHighlighting();
    });
    for (auto [first, second] : {std::pair{ui->N65, ui->N66}, {ui->N84, ui->N85}, {ui->OFP1, ui->ArmA1}}) {
        auto *group = new QActionGroup(this);
        group->addAction(first);
        group->addAction(second);
    }
    m_columnSelection = new ColumnSelection(ui->SynEdit1);
    connect(ui->N65, &QAction::triggered, this, &MainWindow::setNormalSelection);
    connect(ui->N66, &QAction::triggered, this, &MainWindow::setColumnSelection);
    connect(ui->btnSelMod, &QAction::triggered, this, &MainWindow::toggleSelectionMode);
    connect(ui->N84, &QAction::triggered, this, &MainWindow::setBigSpeedButtons);
    connect(ui->N85, &QAction::triggered, this, &MainWindow::setSmallSpeedButtons);
    connect(ui->OFP1, &QAction::triggered, this, [this] { setGame(Game::Ofp); });
    connect(ui->ArmA1, &QAction::triggered, this, [this] { setGame(Game::Arma); });
    setUpSpeedBar();
}

void MainWindow::setUpSpeedBar()
{
    ui->ToolBar1->setUpItems();
    for (const SpeedBarItem &entry : SpeedBarCatalog::items())
        setSpeedItemImage(ui->ToolBar1->item(QLatin1String(entry.name)), entry.image);
    connect(ui->N80, &QAction::triggered, this, &MainWindow::customizeSpeedBar);
    connect(ui->ToolBar1, &SpeedBar::customizeRequested, this, &MainWindow::customizeSpeedBar);
}

// The view items are settings: a command changes the setting, and the window shows it (followSettings).
void MainWindow::toggleLineNumbers()
{
    m_settings.change([](EditorSettings &s) { s.lineNumbers = !s.lineNumbers; });
}

void MainWindow::toggleSpeedBar()
{
    m_settings.change([](EditorSettings &s) { s.speedBar = !s.speedBar; });
}

void MainWindow::toggleWordWrap()
{
    m_settings.change([](EditorSettings &s) { s.wordWrap = !s.wordWrap; });
}

void MainWindow::toggleCommandPanel()
{
    m_settings.change([](EditorSettings &s) { s.commandPanel = !s.commandPanel; });
}

void MainWindow::setNormalSelection()
{
    m_settings.change([](EditorSettings &s) { s.columnSelection = false; });
}

void MainWindow::setColumnSelection()
{
    m_settings.change([](EditorSettings &s) { s.columnSelection = true; });
}

void MainWindow::toggleSelectionMode()
{
    m_settings.values().columnSelection ? setNormalSelection() : setColumnSelection();
}

void MainWindow::setBigSpeedButtons()
{
    m_settings.change([](EditorSettings &s) { s.bigSpeedButtons = true; });
}

void MainWindow::setSmallSpeedButtons()
{
    m_settings.change([](EditorSettings &s) { s.bigSpeedButtons = false; });
}

void MainWindow::toggleHighlighting()
{
    const bool on = !ui->N77->isChecked();
    ui->N77->setChecked(on);
    m_lexer->setEnabled(on);
}

void MainWindow::showLineNumbers(bool on)
{
    EditorLook::setGutterVisible(ui->SynEdit1, on);
    ui->N4->setChecked(on);
}

void MainWindow::showSpeedBar(bool on)
{
    ui->ToolBar1->setVisible(on);
    ui->N52->setChecked(on);
}

void MainWindow::showWordWrap(bool on)
{
    EditorLook::setWordWrap(ui->SynEdit1, on);
    ui->N54->setChecked(on);
}

void MainWindow::showCommandPanel(bool on)
{
    ui->N36->setChecked(on);
    ui->Panel1->setVisible(on);
    EditorLook::setSplitterVisible(ui->Splitter1, on);
}

void MainWindow::showColumnSelection(bool on)
{
    m_columnSelection->setEnabled(on);
    ui->N65->setChecked(!on);
    ui->N66->setChecked(on);
    setSpeedItemImage(ui->btnSelMod, on ? kColumnSelectionImage : kNormalSelectionImage);
}

void MainWindow::showBigSpeedButtons(bool big)
{
    ui->N84->setChecked(big);
    ui->N85->setChecked(!big);
    if (big)
        ui->ToolBar1->setButtonSize(36, 42);
    else
        ui->ToolBar1->setButtonSize(26, 32);
}

void MainWindow::setSpeedItemImage(QAction *item, int imageIndex)
{
    item->setProperty("ImageIndex", imageIndex);
    item->setIcon(SpeedBarIcons::icon(imageIndex));
}

void MainWindow::customizeSpeedBar()
{
    if (!m_speedBarDialog)
        m_speedBarDialog = new SpeedBarCustomizeDialog(ui->ToolBar1, this);
    m_speedBarDialog->show();
    m_speedBarDialog->raise();
    m_speedBarDialog->activateWindow();
}
