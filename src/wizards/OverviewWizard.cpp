// The overview.html wizard.
#include "wizards/OverviewWizard.h"

OverviewWizard::OverviewWizard(AppWindows &windows, QWidget *parent) : QDialog(parent), m_windows(windows)
{
    setObjectName(QStringLiteral("Form9"));
    setWindowTitle(QStringLiteral("Мастер овервью - Velmora"));
}
