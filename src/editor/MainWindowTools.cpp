// Window launchers, the game launch, the external formatter and the settings dialog.
#include "editor/MainWindow.h"

#include "ui_MainWindow.h"

void MainWindow::connectToolActions()
{
}
