// The unit loadout wizard.
#include "wizards/UnitWizard.h"

UnitWizard::UnitWizard(AppWindows &windows, QWidget *parent) : QDialog(parent), m_windows(windows)
{
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(QStringLiteral("Мастер юнитов -  Velmora"));
}

void UnitWizard::setSniperEnabled(bool)
{
}
