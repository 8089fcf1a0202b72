// Theme icons with the program's own SVGs behind them.
#include "wizards/WizardIcons.h"

#include "common/ProgramIcons.h"

QIcon wizardIcon(const QString &themeName)
{
    return ProgramIcons::themedOr(themeName, themeName + QStringLiteral(".svg"));
}
