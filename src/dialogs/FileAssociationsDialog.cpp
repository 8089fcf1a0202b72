// The file-type registration dialog.
#include "dialogs/FileAssociationsDialog.h"

FileAssociationsDialog::FileAssociationsDialog(AppWindows &windows, QWidget *parent) : QDialog(parent), m_windows(windows)
{
    setObjectName(QStringLiteral("Form16"));
    setWindowTitle(QStringLiteral(""));
}
