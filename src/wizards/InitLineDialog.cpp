// The init-line dialog.
#include "wizards/InitLineDialog.h"

InitLineDialog::InitLineDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form14"));
    setWindowTitle(QStringLiteral("Скрипт инициализации"));
}
