// The ammunition crate wizard.
#include "wizards/CrateWizard.h"

CrateWizard::CrateWizard(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form12"));
    setWindowTitle(QStringLiteral("Мастер ящиков - Velmora"));
}
