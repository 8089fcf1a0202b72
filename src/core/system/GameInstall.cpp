// The games' registry keys and executable names.
#include "system/GameInstall.h"

#include "system/WinePaths.h"
#include "system/WineRegistry.h"

#include <QFile>
#include <QFileInfo>

namespace GameInstall {

QString detectExecutable(Game game, const QString &winePrefix)
{
    const QString key = game == Game::Arma ? QStringLiteral("Bohemia Interactive Studio\\ArmA")
                                           : QStringLiteral("Codemasters\\Flashpoint Resistance");
    const QString exe = game == Game::Arma ? QStringLiteral("arma.exe") : QStringLiteral("flashpointresistance.exe");
    QFile file(winePrefix + QStringLiteral("/system.reg"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray registry = file.readAll();
    // A 32-bit setup on a 64-bit prefix writes below Wow6432Node.
    for (const QString &root : {QStringLiteral("Software\\"), QStringLiteral("Software\\Wow6432Node\\")}) {
        const WineRegistry::Value folder = WineRegistry::readValue(registry, QString(root + key), u"MAIN");
        // An empty folder would name a file at the root of the drive: not an installation.
        if (folder.kind != WineRegistry::ValueKind::String || folder.text.trimmed().isEmpty())
            continue;
        QString windowsPath = folder.text;
        if (!windowsPath.endsWith(u'\\'))
            windowsPath += u'\\';
        const QString path = WinePaths::toUnixPath(winePrefix, QString(windowsPath + exe));
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

} // namespace GameInstall
