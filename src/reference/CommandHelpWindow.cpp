// The command help window.
#include "reference/CommandHelpWindow.h"

CommandHelpWindow::CommandHelpWindow(AppWindows &windows, QWidget *parent) : QDialog(parent), m_windows(windows)
{
    setObjectName(QStringLiteral("Form11"));
    setWindowTitle(QStringLiteral("Инфо о команде"));
}
