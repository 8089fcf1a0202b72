// Search and replace: the find and replace dialogs and the speed bar's quick find.
#include "editor/MainWindow.h"

#include "common/ProgramIcons.h"
#include "editor/SearchController.h"
#include "ui_MainWindow.h"

void MainWindow::connectSearchActions()
{
    auto *search = new SearchController(ui->SynEdit1, ui->FindEdit, ui->FindBTN, this);
    for (QAction *find : {ui->N20, ui->btnFind})
        connect(find, &QAction::triggered, search, &SearchController::openFindDialog);
    for (QAction *replace : {ui->N21, ui->btnReplace})
        connect(replace, &QAction::triggered, search, &SearchController::openReplaceDialog);
    connect(ui->N78, &QAction::triggered, search, &SearchController::quickFind);
    ui->FindBTN->setIcon(ProgramIcons::themedOr(QStringLiteral("edit-find"), QStringLiteral("edit-find.svg")));
}
