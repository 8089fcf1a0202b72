// The prefix from the environment.
#include "platform/WinePrefix.h"

#include <QDir>

namespace WinePrefix {

QString path()
{
    const QString fromEnvironment = qEnvironmentVariable("WINEPREFIX");
    return fromEnvironment.isEmpty() ? QDir::homePath() + QStringLiteral("/.wine") : fromEnvironment;
}

} // namespace WinePrefix
