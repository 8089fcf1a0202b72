// The stringtable.csv wizard.
#include "wizards/StringtableWizard.h"

StringtableWizard::StringtableWizard(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form17"));
    setWindowTitle(QStringLiteral("Мастер Stringtable.csv"));
}
