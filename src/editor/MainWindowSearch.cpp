// Search, replace, the editing commands, bookmarks, bracket matching and the status bar.
#include "editor/MainWindow.h"

#include "common/ProgramIcons.h"
#include "editor/Bookmarks.h"
#include "editor/BracketMatcher.h"
#include "editor/EditorKeys.h"
#include "editor/SearchController.h"
#include "editor/StatusBarUpdater.h"
#include "ui_MainWindow.h"

#include <Qsci/qsciscintilla.h>

void MainWindow::connectSearchActions()
{
    auto *search = new SearchController(ui->SynEdit1, ui->FindEdit, ui->FindBTN, this);
    for (QAction *find : {ui->N20, ui->btnFind})
        connect(find, &QAction::triggered, search, &SearchController::openFindDialog);
    for (QAction *replace : {ui->N21, ui->btnReplace})
        connect(replace, &QAction::triggered, search, &SearchController::openReplaceDialog);
    connect(ui->N78, &QAction::triggered, search, &SearchController::quickFind);
    ui->FindBTN->setIcon(ProgramIcons::themedOr(QStringLiteral("edit-find"), QStringLiteral("edit-find.svg")));

    auto *brackets = new BracketMatcher(ui->SynEdit1, m_lexer, m_settings);
    connect(ui->N89, &QAction::triggered, brackets, &BracketMatcher::jumpToPartner);

    new StatusBarUpdater(ui->StatusBar1, ui->SynEdit1);
    connectEditCommands();
    connectBookmarkActions();
}

// Each editing command hands over to the editor; the speed-bar items do what the menu items do.
void MainWindow::connectEditCommands()
{
    QsciScintilla *editor = ui->SynEdit1;
    const auto bind = [this](std::initializer_list<QAction *> items, auto command) {
        for (QAction *item : items)
            connect(item, &QAction::triggered, this, command);
    };
    bind({ui->N32, ui->btnUndo}, [editor] { EditorKeys::undo(editor); });
    bind({ui->N33, ui->btnRedo}, [editor] { EditorKeys::redo(editor); });
    bind({ui->N15, ui->N27, ui->btnCopy}, [editor] { editor->copy(); });
    bind({ui->N14, ui->N26, ui->btnCut}, [editor] { editor->cut(); });
    bind({ui->N16, ui->N28, ui->btnPaste}, [editor] { editor->paste(); });
    bind({ui->N17, ui->N29}, [editor] { editor->removeSelectedText(); });
    bind({ui->N18, ui->N31}, [editor] { editor->selectAll(); });
    const std::pair<QAction *, int> images[] = {{ui->btnCopy, 4}, {ui->btnCut, 5},  {ui->btnPaste, 6},
                                                {ui->btnUndo, 7}, {ui->btnRedo, 8}, {ui->btnFind, 9},
                                                {ui->btnReplace, 10}};
    for (const auto &[item, image] : images)
        setSpeedItemImage(item, image);
    new EditorKeys(editor);
}

void MainWindow::connectBookmarkActions()
{
    const Bookmarks::Items setItems = {ui->N01, ui->N110, ui->N210, ui->N310, ui->N410,
                                       ui->N510, ui->N61,  ui->N71,  ui->N81,  ui->N91};
    const Bookmarks::Items goItems = {ui->g0, ui->g1, ui->g2, ui->g3, ui->g4, ui->g5, ui->g6, ui->g7, ui->g8, ui->g9};
    auto *bookmarks = new Bookmarks(ui->SynEdit1, setItems, goItems, this);
    connect(ui->N62, &QAction::triggered, bookmarks, &Bookmarks::clearAll);
}
