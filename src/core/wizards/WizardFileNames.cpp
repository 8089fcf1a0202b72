// File-name rules of the wizards.
#include "wizards/WizardFileNames.h"

#include <algorithm>

namespace {

const QString kOgg = QStringLiteral(".ogg");

bool isClassChar(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') || u == '_';
}

} // namespace

namespace WizardFileNames {

QString withoutQuotePair(const QString &text)
{
    QString result = text;
    const qsizetype first = result.indexOf(u'"');
    if (first < 0)
        return result;
    result.remove(first, 1);
    const qsizetype second = result.indexOf(u'"', first);
    if (second >= 0)
        result.remove(second, 1);
    return result;
}

QString bareFileName(const QString &path)
{
    qsizetype cut = -1;
    for (const QChar separator : {u'\\', u'/', u':'})
        cut = std::max(cut, path.lastIndexOf(separator));
    return path.mid(cut + 1);
}

QString oggEntry(const QString &name)
{
    return name.contains(kOgg, Qt::CaseInsensitive) ? name : name + kOgg;
}

QString oggClassName(const QString &entry)
{
    QString name = entry;
    const qsizetype at = name.indexOf(kOgg, 0, Qt::CaseInsensitive);
    if (at >= 0)
        name.remove(at, kOgg.size());
    return name;
}

bool isClassName(const QString &name)
{
    return !name.isEmpty() && std::all_of(name.begin(), name.end(), isClassChar);
}

bool hasPictureExtension(const QString &name)
{
    for (const char *extension : {".jpg", ".paa", ".pac"})
        if (name.contains(QLatin1String(extension), Qt::CaseInsensitive))
            return true;
    return false;
}

QString withDefaultExtension(const QString &path, const QString &extension)
{
    return bareFileName(path).contains(u'.') ? path : path + extension;
}

} // namespace WizardFileNames
