// The description.ext wizard.
#include "wizards/DescriptionWizard.h"

DescriptionWizard::DescriptionWizard(AppWindows &windows, QWidget *parent) : QDialog(parent), m_windows(windows)
{
    setObjectName(QStringLiteral("Form13"));
    setWindowTitle(QStringLiteral("Мастер Description.ext - Velmora"));
}
