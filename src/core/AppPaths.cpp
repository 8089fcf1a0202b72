// Folder rules for the executable's neighbours and the settings file.
#include "AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
QString &overrideDir()
{
    static QString dir;
    return dir;
}
} // namespace

namespace AppPaths {

QString exeDir()
{
    if (!overrideDir().isEmpty())
        return overrideDir();
    return QCoreApplication::applicationDirPath();
}

void setExeDirOverride(const QString &dir)
{
    overrideDir() = dir;
}

QString configFile()
{
    const QString beside = exeDir() + QStringLiteral("/config.ini");
    // Written through a temporary file beside it, so the folder itself must be writable.
    const QFileInfo file(beside);
    const bool writable = QFileInfo(exeDir()).isWritable() && (!file.exists() || file.isWritable());
    if (writable)
        return beside;
    const QString userDir = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(userDir);
    return userDir + QStringLiteral("/config.ini");
}

QString dataFile(const QString &name)
{
    return exeDir() + QStringLiteral("/data/") + name;
}

} // namespace AppPaths
