// The stringtable row dialog.
#include "wizards/StringtableRowDialog.h"

StringtableRowDialog::StringtableRowDialog(AppWindows &windows, QWidget *parent) : QDialog(parent), m_windows(windows)
{
    setObjectName(QStringLiteral("Form18"));
    setWindowTitle(QStringLiteral("Добавить строку"));
}
