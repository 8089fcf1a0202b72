// The init-line dialog.
#include "wizards/InitLineDialog.h"

InitLineDialog::InitLineDialog(AppWindows &windows, QWidget *parent) : QDialog(parent), m_windows(windows)
{
    setObjectName(QStringLiteral("Form14"));
    setWindowTitle(QStringLiteral("Скрипт инициализации"));
}
