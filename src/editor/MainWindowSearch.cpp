// Search, replace, the editing commands, bookmarks, bracket matching and the status bar.
#include "editor/MainWindow.h"

#include "ui_MainWindow.h"

void MainWindow::connectSearchActions()
{
}
