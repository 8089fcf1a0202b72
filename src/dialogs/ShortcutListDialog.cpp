// The list of the program's shortcut keys.
#include "dialogs/ShortcutListDialog.h"

ShortcutListDialog::ShortcutListDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Список горячих клавиш"));
}
