// The briefing.html wizard.
#include "wizards/BriefingWizard.h"

BriefingWizard::BriefingWizard(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("Мастер брифингов. - Velmora"));
}
