// update-mime-database and update-desktop-database over the user's folders.
#include "platform/DesktopDatabase.h"

#include "platform/Launcher.h"

#include <QDir>
#include <QStandardPaths>

namespace DesktopDatabase {
namespace {

QString xdgHome(const char *variable, const QString &fallback)
{
    const QString fromEnvironment = qEnvironmentVariable(variable);
    // A relative path does not count, as the XDG base-directory rules say.
    return QDir::isAbsolutePath(fromEnvironment) ? fromEnvironment : QDir::homePath() + fallback;
}

void run(const QString &tool, const QString &folder)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (!program.isEmpty())
        Launcher::startProgram(program, {folder}, QString());
}

} // namespace

QString dataHome()
{
    return xdgHome("XDG_DATA_HOME", QStringLiteral("/.local/share"));
}

QString configHome()
{
    return xdgHome("XDG_CONFIG_HOME", QStringLiteral("/.config"));
}

void refresh()
{
    run(QStringLiteral("update-mime-database"), dataHome() + QStringLiteral("/mime"));
    run(QStringLiteral("update-desktop-database"), dataHome() + QStringLiteral("/applications"));
}

} // namespace DesktopDatabase
