// The briefing.html wizard.
#include "wizards/BriefingWizard.h"

BriefingWizard::BriefingWizard(AppWindows &windows, QWidget *parent) : QDialog(parent), m_windows(windows)
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("Мастер брифингов. - Velmora"));
}
