// The extension table of the comment styles.
#include "script/CommentStyle.h"

CommentStyle commentStyleOfExtension(const QString &ext)
{
    const QString e = ext.toLower();
    if (e == QLatin1String("sqs"))
        return CommentStyle::Sqs;
    for (const char *c : {"sqf", "ext", "cpp", "db", "h", "hpp"})
        if (e == QLatin1String(c))
            return CommentStyle::C;
    return CommentStyle::Unchanged;
}

QString fileExtension(const QString &path)
{
    const qsizetype sep = std::max({path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'), path.lastIndexOf(u':')});
    const qsizetype dot = path.lastIndexOf(u'.');
    return dot > sep ? path.mid(dot + 1) : QString();
}
