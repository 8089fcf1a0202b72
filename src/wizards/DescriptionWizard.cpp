// The description.ext wizard.
#include "wizards/DescriptionWizard.h"

DescriptionWizard::DescriptionWizard(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form13"));
    setWindowTitle(QStringLiteral("Мастер Description.ext - Velmora"));
}
