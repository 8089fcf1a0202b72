// The two games: OFP's clipboard file lies beside its executable, ArmA's in the user's profile.
#include "system/GameTarget.h"

#include "system/WinePaths.h"

#include <QFileInfo>

namespace {

const QString kClipboardFile = QStringLiteral("clipboard.txt");

// The game's clipboard file in `folder`, in whatever letter case it was written: Windows
// programs do not mind the case of names, the Linux file system does.
QString clipboardFileIn(const QString &folder)
{
    return WinePaths::childPath(folder, kClipboardFile);
}

// ArmA writes its clipboard file into the local application data of the Windows profile, which
// Wine has kept in two layouts over the years; the newer one is named when neither exists.
QString armaClipboardFile(const GameLocations &where)
{
    const QString profile = QStringLiteral("C:\\users\\") + where.userName;
    const QString layouts[] = {profile + QStringLiteral("\\AppData\\Local\\ArmA"),
                               profile + QStringLiteral("\\Local Settings\\Application Data\\ArmA")};
    QString first;
    for (const QString &layout : layouts) {
        const QString path = clipboardFileIn(WinePaths::toUnixPath(where.winePrefix, layout));
        if (QFileInfo(path).isFile())
            return path;
        if (first.isEmpty())
            first = path;
    }
    return first;
}

} // namespace

GameTarget GameTarget::forGame(Game game, const GameLocations &where)
{
    if (game == Game::Arma)
        return {QStringLiteral("ArmA"), where.armaExePath, armaClipboardFile(where)};
    // Without a path there is no folder to look in; the current folder is no place for it.
    const QString clipboard = where.ofpExePath.isEmpty()
        ? QString()
        : clipboardFileIn(folderOf(where.ofpExePath));
    return {QStringLiteral("Operation Flashpoint"), where.ofpExePath, clipboard};
}

QString GameTarget::folderOf(QStringView path)
{
    for (qsizetype i = path.size() - 1; i >= 0; --i)
        if (path[i] == u'/' || path[i] == u'\\' || path[i] == u':')
            return path.left(i + 1).toString();
    return {};
}
