// The list of the program's shortcut keys.
#include "dialogs/ShortcutListDialog.h"

ShortcutListDialog::ShortcutListDialog(AppWindows &windows, QWidget *parent) : QDialog(parent), m_windows(windows)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Список горячих клавиш"));
}
