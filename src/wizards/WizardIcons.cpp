// Theme icons with the program's own SVGs behind them.
#include "wizards/WizardIcons.h"

// The resources live in a static library: nothing would link them in unless asked for.
static void loadOwnIcons()
{
    static const bool loaded = [] {
        Q_INIT_RESOURCE(velmora);
        return true;
    }();
    Q_UNUSED(loaded);
}

QIcon wizardIcon(const QString &themeName)
{
    loadOwnIcons();
    return QIcon::fromTheme(themeName, QIcon(QStringLiteral(":/velmora/icons/%1.svg").arg(themeName)));
}
