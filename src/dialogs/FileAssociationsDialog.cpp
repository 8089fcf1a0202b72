// The file-type registration dialog.
#include "dialogs/FileAssociationsDialog.h"

FileAssociationsDialog::FileAssociationsDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form16"));
    setWindowTitle(QStringLiteral(""));
}
