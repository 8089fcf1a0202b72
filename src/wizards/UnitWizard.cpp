// The unit loadout wizard.
#include "wizards/UnitWizard.h"

UnitWizard::UnitWizard(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(QStringLiteral("Мастер юнитов -  Velmora"));
}
