// The stringtable.csv wizard.
#include "wizards/StringtableWizard.h"

StringtableWizard::StringtableWizard(AppWindows &windows, QWidget *parent) : QDialog(parent), m_windows(windows)
{
    setObjectName(QStringLiteral("Form17"));
    setWindowTitle(QStringLiteral("Мастер Stringtable.csv"));
}
