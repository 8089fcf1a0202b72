// The overview.html wizard.
#include "wizards/OverviewWizard.h"

OverviewWizard::OverviewWizard(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form9"));
    setWindowTitle(QStringLiteral("Мастер овервью - Velmora"));
}
