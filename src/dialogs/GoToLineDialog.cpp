// The go-to-line dialog.
#include "dialogs/GoToLineDialog.h"

GoToLineDialog::GoToLineDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Перейти к строке #"));
}
