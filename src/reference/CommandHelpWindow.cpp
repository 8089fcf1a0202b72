// The command help window.
#include "reference/CommandHelpWindow.h"

CommandHelpWindow::CommandHelpWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form11"));
    setWindowTitle(QStringLiteral("Инфо о команде"));
}
