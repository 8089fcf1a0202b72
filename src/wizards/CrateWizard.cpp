// The ammunition crate wizard.
#include "wizards/CrateWizard.h"

CrateWizard::CrateWizard(AppWindows &windows, QWidget *parent) : QDialog(parent), m_windows(windows)
{
    setObjectName(QStringLiteral("Form12"));
    setWindowTitle(QStringLiteral("Мастер ящиков - Velmora"));
}
