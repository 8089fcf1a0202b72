// Our own icons made once each, and the theme's icons in front of them.
#include "common/ProgramIcons.h"

#include <QCoreApplication>
#include <QHash>

// The resources live in a static library: nothing else would pull them into the program. Outside
// any namespace, as the resource macro requires.
static void loadOwnIcons()
{
    Q_INIT_RESOURCE(velmora);
}

namespace {

// Emptied with the application: icons cannot outlive it.
QHash<QString, QIcon> &madeIcons()
{
    static QHash<QString, QIcon> made;
    static const bool once = [] {
        loadOwnIcons();
        qAddPostRoutine([] { madeIcons().clear(); });
        return true;
    }();
    Q_UNUSED(once);
    return made;
}

} // namespace

namespace ProgramIcons {

QIcon own(const QString &file)
{
    QHash<QString, QIcon> &made = madeIcons();
    auto it = made.find(file);
    if (it == made.end())
        it = made.insert(file, QIcon(QStringLiteral(":/velmora/icons/") + file));
    return *it;
}

// What QIcon::fromTheme(name, fallback) does, without making the fallback first.
QIcon themedOr(const QString &themeName, const QString &ownFile)
{
    const QIcon themed = QIcon::fromTheme(themeName);
    if (!themed.isNull() && !themed.availableSizes().isEmpty())
        return themed;
    return own(ownFile);
}

} // namespace ProgramIcons
