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
    // These two decide from their own check mark, which the menu has already flipped.
    connect(ui->N36, &QAction::triggered, this, [this] {
        ui->N36->setChecked(!ui->N36->isChecked());
        toggleCommandPanel();
    });
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

void MainWindow::toggleLineNumbers()
{
    const bool on = !EditorLook::gutterVisible(ui->SynEdit1);
    EditorLook::setGutterVisible(ui->SynEdit1, on);
    ui->N4->setChecked(on);
}

// The bar's own flag, not whether it is on screen: the window may not be shown yet.
void MainWindow::toggleSpeedBar()
{
    const bool on = ui->ToolBar1->isHidden();
    ui->ToolBar1->setVisible(on);
    ui->N52->setChecked(on);
}

void MainWindow::toggleWordWrap()
{
    const bool on = !EditorLook::wordWrap(ui->SynEdit1);
    EditorLook::setWordWrap(ui->SynEdit1, on);
    ui->N54->setChecked(on);
}

// The command panel follows its check mark: the panel itself reads as hidden while the
// window is not shown.
void MainWindow::toggleCommandPanel()
{
    const bool on = !ui->N36->isChecked();
    ui->N36->setChecked(on);
    ui->Panel1->setVisible(on);
    EditorLook::setSplitterVisible(ui->Splitter1, on);
}

void MainWindow::toggleHighlighting()
{
    const bool on = !ui->N77->isChecked();
    ui->N77->setChecked(on);
    m_lexer->setEnabled(on);
}

void MainWindow::setNormalSelection()
{
    m_columnSelection->setEnabled(false);
    ui->N65->setChecked(true);
    ui->N66->setChecked(false);
    setSpeedItemImage(ui->btnSelMod, kNormalSelectionImage);
}

void MainWindow::setColumnSelection()
{
    m_columnSelection->setEnabled(true);
    ui->N65->setChecked(false);
    ui->N66->setChecked(true);
    setSpeedItemImage(ui->btnSelMod, kColumnSelectionImage);
}

void MainWindow::toggleSelectionMode()
{
    ui->N66->isChecked() ? setNormalSelection() : setColumnSelection();
}

void MainWindow::setSpeedBarSize(int button, int bar)
{
    ui->ToolBar1->setButtonSize(button, bar);
}

void MainWindow::setBigSpeedButtons()
{
    ui->N84->setChecked(true);
    ui->N85->setChecked(false);
    setSpeedBarSize(36, 42);
}

void MainWindow::setSmallSpeedButtons()
{
    ui->N85->setChecked(true);
    ui->N84->setChecked(false);
    setSpeedBarSize(26, 32);
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
