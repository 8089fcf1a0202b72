// Drive letters through dosdevices, names without regard to case.
#include "system/WinePaths.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The links of the existing part resolved (dosdevices/c: is drive_c), the rest as it is.
QString canonicalPath(const QString &path)
{
    QString existing = path, rest;
    while (!existing.isEmpty() && !QFileInfo::exists(existing)) {
        const qsizetype slash = existing.lastIndexOf(u'/');
        if (slash <= 0)
            return path;
        rest.prepend(existing.mid(slash));
        existing.truncate(slash);
    }
    return QFileInfo(existing).canonicalFilePath() + rest;
}

} // namespace

namespace WinePaths {

QString childPath(const QString &folder, const QString &name)
{
    const bool separated = folder.isEmpty() || folder.endsWith(u'/') || folder.endsWith(u'\\');
    const QString start = separated ? folder : folder + u'/';
    const QString exact = start + name;
    if (QFileInfo::exists(exact))
        return exact;
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return start + entry;
    return exact;
}

QString toUnixPath(const QString &prefix, QStringView windowsPath)
{
    if (windowsPath.size() < 2 || windowsPath[1] != u':' || !windowsPath[0].isLetter() || windowsPath[0].unicode() > 0x7F)
        return {};
    const QChar drive = windowsPath[0].toLower();
    QString path = prefix + QStringLiteral("/dosdevices/") + drive + u':';
    if (!QFileInfo::exists(path) && drive == u'c')
        path = prefix + QStringLiteral("/drive_c");
    QString names = windowsPath.mid(2).toString();
    names.replace(u'/', u'\\');
    for (QStringView name : QStringView(names).split(u'\\')) {
        if (name.isEmpty() || name == u".")
            continue;
        path = name == u".." ? QFileInfo(path).path() : childPath(path, name.toString());
    }
    return canonicalPath(QDir::cleanPath(path));
}

} // namespace WinePaths
