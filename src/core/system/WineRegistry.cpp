// The text format Wine keeps its registry in: "[key]" lines, then "name"=data lines.
#include "system/WineRegistry.h"

#include <QList>

namespace WineRegistry {
namespace {

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

// One escaped character after a backslash at `pos` (which points past the backslash).
QChar unescape(QStringView line, qsizetype &pos)
{
    const QChar c = line[pos++];
    switch (c.unicode()) {
    case 'a': return QChar(7);
    case 'b': return QChar(8);
    case 'e': return QChar(27);
    case 'f': return QChar(12);
    case 'n': return QChar(10);
    case 'r': return QChar(13);
    case 't': return QChar(9);
    case 'v': return QChar(11);
    case 'x': {
        int value = 0;
        for (int n = 0; n < 4 && pos < line.size() && hexDigit(line[pos]) >= 0; ++n)
            value = value * 16 + hexDigit(line[pos++]);
        return QChar(char16_t(value));
    }
    default:
        break;
    }
    if (c >= u'0' && c <= u'7') {
        int value = c.unicode() - '0';
        for (int n = 1; n < 3 && pos < line.size() && line[pos] >= u'0' && line[pos] <= u'7'; ++n)
            value = value * 8 + (line[pos++].unicode() - '0');
        return QChar(char16_t(value));
    }
    return c;
}

// The text from `pos` up to the unescaped `end`; pos ends past it. False when the line ends first.
bool readUntil(QStringView line, qsizetype &pos, QChar end, QString &out)
{
    out.clear();
    while (pos < line.size()) {
        const QChar c = line[pos++];
        if (c == end)
            return true;
        if (c == u'\\' && pos < line.size())
            out.append(unescape(line, pos));
        else
            out.append(c);
    }
    return false;
}

// A string stored as hexadecimal UTF-16 bytes: "hex(1):41,00,42,00,00,00".
QString hexString(QStringView data)
{
    QByteArray bytes;
    for (QStringView part : data.split(u',')) {
        part = part.trimmed();
        if (part.size() == 2 && hexDigit(part[0]) >= 0 && hexDigit(part[1]) >= 0)
            bytes.append(char(hexDigit(part[0]) * 16 + hexDigit(part[1])));
    }
    QString text;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2) {
        const char16_t unit = char16_t(uchar(bytes[i]) | (uchar(bytes[i + 1]) << 8));
        if (unit == 0)
            break;
        text.append(QChar(unit));
    }
    return text;
}

// The data after "name=", with the continuation lines of long hexadecimal data joined.
Value parseData(const QList<QStringView> &lines, qsizetype index, qsizetype pos)
{
    QStringView line = lines[index];
    QString text;
    if (line.mid(pos).startsWith(u'"')) {
        ++pos;
        return readUntil(line, pos, u'"', text) ? Value{ValueKind::String, text} : Value{ValueKind::Other, {}};
    }
    if (line.mid(pos).startsWith(u"str(2):\"")) {
        pos += 8;
        return readUntil(line, pos, u'"', text) ? Value{ValueKind::String, text} : Value{ValueKind::Other, {}};
    }
    const QStringView rest = line.mid(pos);
    if (!rest.startsWith(u"hex(1):") && !rest.startsWith(u"hex(2):"))
        return {ValueKind::Other, {}};
    QString hex = rest.mid(7).toString();
    while (hex.endsWith(u'\\') && ++index < lines.size()) {
        hex.chop(1);
        hex += lines[index].trimmed();
    }
    return {ValueKind::String, hexString(hex)};
}

// The key of a "[key] timestamp" line, or nothing for other lines.
bool keyOfLine(QStringView line, QString &key)
{
    if (!line.startsWith(u'['))
        return false;
    qsizetype pos = 1;
    return readUntil(line, pos, u']', key);
}

bool sameName(QStringView a, QStringView b)
{
    const auto plain = [](QStringView n) { return n == u"@" ? QStringView() : n; };
    return plain(a).compare(plain(b), Qt::CaseInsensitive) == 0;
}

} // namespace

Value readValue(QByteArrayView file, QStringView keyPath, QStringView name)
{
    const QString text = QString::fromUtf8(file);
    QList<QStringView> lines = QStringView(text).split(u'\n');
    for (QStringView &line : lines)
        if (line.endsWith(u'\r'))
            line.chop(1);
    bool inKey = false;
    QString key;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringView line = lines[i];
        if (keyOfLine(line, key)) {
            if (inKey)
                break; // each key appears once
            inKey = key.compare(keyPath, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!inKey)
            continue;
        QString valueName;
        qsizetype pos = 0;
        if (line.startsWith(u'@'))
            pos = 1;
        else if (!line.startsWith(u'"') || !readUntil(line, ++pos, u'"', valueName))
            continue;
        if (pos >= line.size() || line[pos] != u'=' || !sameName(valueName, name))
            continue;
        return parseData(lines, i, pos + 1);
    }
    return {};
}

} // namespace WineRegistry
