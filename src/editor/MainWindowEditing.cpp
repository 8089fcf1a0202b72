// Line commenting, keyboard layout and case repair.
#include "editor/MainWindow.h"

#include "ui_MainWindow.h"

void MainWindow::connectEditingActions()
{
}
