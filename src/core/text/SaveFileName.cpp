// The save dialog's extension table.
#include "text/SaveFileName.h"

#include <algorithm>
#include <array>

namespace {

// In the order of the save dialog's filters, from index 1; index 8 keeps any extension.
constexpr std::array<const char *, 7> kExtensions = {".sqs", ".sqf", ".ext", ".sqm", ".csv", ".txt", ".html"};

// Index of the dot that starts the name's extension, or -1.
qsizetype extensionDot(const QString &path)
{
    const qsizetype sep = std::max({path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'), path.lastIndexOf(u':')});
    const qsizetype dot = path.lastIndexOf(u'.');
    return dot > sep ? dot : -1;
}

} // namespace

namespace SaveFileName {

QString forcedExtension(int filterIndex)
{
    if (filterIndex < 1 || filterIndex > int(kExtensions.size()))
        return {};
    return QLatin1String(kExtensions[filterIndex - 1]);
}

int filterIndexOf(const QString &path)
{
    const qsizetype dot = extensionDot(path);
    if (dot < 0)
        return 0;
    const QString ext = path.mid(dot).toLower();
    for (std::size_t i = 0; i < kExtensions.size(); ++i)
        if (ext == QLatin1String(kExtensions[i]))
            return int(i) + 1;
    return 0;
}

QString withForcedExtension(const QString &path, int filterIndex)
{
    const QString ext = forcedExtension(filterIndex);
    if (ext.isEmpty())
        return path;
    const qsizetype dot = extensionDot(path);
    return (dot < 0 ? path : path.left(dot)) + ext;
}

} // namespace SaveFileName
