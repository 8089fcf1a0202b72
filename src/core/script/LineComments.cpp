// The line toggle of both comment styles.
#include "script/LineComments.h"

namespace LineComments {

namespace {

QString toggleSqs(QStringView line)
{
    if (line.startsWith(u';'))
        return line.mid(1).toString();
    return line.isEmpty() ? QString() : u';' + line.toString();
}

// Only a comment that opens the line is taken off: "//" further on may stand inside a string
// or start a trailing comment, and removing it would break the statement.
QString toggleC(QStringView line)
{
    qsizetype first = 0;
    while (first < line.size() && (line[first] == u' ' || line[first] == u'\t'))
        ++first;
    if (line.mid(first).startsWith(u"//"))
        return line.left(first).toString() + line.mid(first + 2).toString();
    return line.isEmpty() ? QString() : QStringLiteral("//") + line.toString();
}

} // namespace

QString toggle(QStringView line, bool sqs)
{
    return sqs ? toggleSqs(line) : toggleC(line);
}

QString toggleLines(const QStringList &lines, bool sqs)
{
    QString out;
    for (const QString &line : lines) {
        out += toggle(line, sqs);
        out += QStringLiteral("\r\n");
    }
    return out;
}

QString separator(bool sqs)
{
    const QString stars(23, u'*');
    return (sqs ? QStringLiteral("; ") : QStringLiteral("// ")) + stars;
}

} // namespace LineComments
