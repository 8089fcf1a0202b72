// The "Опции" menu: what the window and the editor show.
#include "editor/MainWindow.h"

#include "ui_MainWindow.h"

#include "editor/ScriptLexer.h"
#include "editor/SpeedBarIcons.h"

#include <QActionGroup>

void MainWindow::connectViewActions()
{
    connect(ui->N4, &QAction::triggered, this, &MainWindow::toggleLineNumbers);
    connect(ui->N52, &QAction::triggered, this, &MainWindow::toggleSpeedBar);
    connect(ui->N54, &QAction::triggered, this, &MainWindow::toggleWordWrap);
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
    connect(ui->N65, &QAction::triggered, this, &MainWindow::setNormalSelection);
    connect(ui->N66, &QAction::triggered, this, &MainWindow::setColumnSelection);
    connect(ui->N84, &QAction::triggered, this, &MainWindow::setBigSpeedButtons);
    connect(ui->N85, &QAction::triggered, this, &MainWindow::setSmallSpeedButtons);
    connect(ui->OFP1, &QAction::triggered, this, [this] { setGameMode(false); });
    connect(ui->ArmA1, &QAction::triggered, this, [this] { setGameMode(true); });
}

void MainWindow::toggleLineNumbers()
{
    const bool on = !EditorLook::gutterVisible(ui->SynEdit1);
    EditorLook::setGutterVisible(ui->SynEdit1, on);
    ui->N4->setChecked(on);
}

void MainWindow::toggleSpeedBar()
{
    const bool on = !ui->ToolBar1->isVisible();
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
    ui->SynEdit1->SendScintilla(QsciScintillaBase::SCI_SETSELECTIONMODE, QsciScintillaBase::SC_SEL_STREAM);
    ui->N65->setChecked(true);
    ui->N66->setChecked(false);
}

void MainWindow::setColumnSelection()
{
    ui->SynEdit1->SendScintilla(QsciScintillaBase::SCI_SETSELECTIONMODE, QsciScintillaBase::SC_SEL_RECTANGLE);
    ui->N65->setChecked(false);
    ui->N66->setChecked(true);
}

void MainWindow::setSpeedBarSize(int button, int bar)
{
    ui->ToolBar1->setIconSize(QSize(button - 8, button - 8));
    ui->ToolBar1->setFixedHeight(bar);
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
