// The go-to-line dialog.
#include "dialogs/GoToLineDialog.h"

GoToLineDialog::GoToLineDialog(AppWindows &windows, QWidget *parent) : QDialog(parent), m_windows(windows)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Перейти к строке #"));
}
