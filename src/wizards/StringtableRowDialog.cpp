// The stringtable row dialog.
#include "wizards/StringtableRowDialog.h"

StringtableRowDialog::StringtableRowDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form18"));
    setWindowTitle(QStringLiteral("Добавить строку"));
}
