// The reference tree, the command help window, completion and the editor's pop-up menu.
#include "editor/MainWindow.h"

#include "ui_MainWindow.h"

void MainWindow::connectReferenceActions()
{
}

void MainWindow::updateEditorMenu()
{
}
