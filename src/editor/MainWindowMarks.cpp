// Marks in the text: the ten bookmarks and the bracket beside the caret with its partner.
#include "editor/MainWindow.h"

#include "editor/Bookmarks.h"
#include "editor/BracketMatcher.h"
#include "ui_MainWindow.h"

void MainWindow::connectBracketActions()
{
    auto *brackets = new BracketMatcher(ui->SynEdit1, m_lexer, m_settings);
    connect(ui->N89, &QAction::triggered, brackets, &BracketMatcher::jumpToPartner);
}

void MainWindow::connectBookmarkActions()
{
    const Bookmarks::Items setItems = {ui->N01, ui->N110, ui->N210, ui->N310, ui->N410,
                                       ui->N510, ui->N61,  ui->N71,  ui->N81,  ui->N91};
    const Bookmarks::Items goItems = {ui->g0, ui->g1, ui->g2, ui->g3, ui->g4, ui->g5, ui->g6, ui->g7, ui->g8, ui->g9};
    auto *bookmarks = new Bookmarks(ui->SynEdit1, setItems, goItems, this);
    connect(ui->N62, &QAction::triggered, bookmarks, &Bookmarks::clearAll);
}
