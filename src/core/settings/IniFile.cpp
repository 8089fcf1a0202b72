// Line-level reading and editing of ini files, keeping everything the program does not know.
#include "settings/IniFile.h"

#include "AppError.h"
#include "settings/ColorText.h"
#include "text/Cp1251.h"
#include "text/EditorText.h"
#include "text/FileText.h"
#include "text/Utf8.h"

#include <QFile>

std::optional<qint32> parseIniInteger(QStringView text)
{
    text = text.trimmed();
    bool negative = false;
    if (text.startsWith(u'-') || text.startsWith(u'+')) {
        negative = text.startsWith(u'-');
        text = text.mid(1);
    }
    int base = 10;
    if (text.startsWith(u'$')) {
        base = 16;
        text = text.mid(1);
    } else if (text.startsWith(u"0x", Qt::CaseInsensitive)) {
        base = 16;
        text = text.mid(2);
    }
    if (text.isEmpty())
        return std::nullopt;
    bool ok = false;
    const qulonglong magnitude = text.toULongLong(&ok, base);
    if (!ok || text.startsWith(u'+') || text.startsWith(u'-'))
        return std::nullopt;
    if (base == 16) {
        if (magnitude > 0xFFFFFFFFull)
            return std::nullopt;
        const auto v = static_cast<qint32>(static_cast<quint32>(magnitude));
        return negative ? -v : v;
    }
    const qlonglong v = negative ? -static_cast<qlonglong>(magnitude) : static_cast<qlonglong>(magnitude);
    if (magnitude > 0x80000000ull || v > INT32_MAX || v < INT32_MIN)
        return std::nullopt;
    return static_cast<qint32>(v);
}

namespace {

// The section name of a header line, or nothing.
std::optional<QStringView> headerName(QStringView line)
{
    line = line.trimmed();
    if (line.size() < 2 || !line.startsWith(u'[') || !line.endsWith(u']'))
        return std::nullopt;
    return line.mid(1, line.size() - 2).trimmed();
}

bool sameName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Index of the header line of a section, or -1.
qsizetype findSection(const QStringList &lines, QStringView section)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const auto name = headerName(lines[i]);
        if (name && sameName(*name, section))
            return i;
    }
    return -1;
}

// One past the last line that belongs to the section starting at header.
qsizetype sectionEnd(const QStringList &lines, qsizetype header)
{
    qsizetype i = header + 1;
    while (i < lines.size() && !headerName(lines[i]))
        ++i;
    return i;
}

// The key and value of a line, when it is one.
bool splitKeyValue(QStringView line, QStringView *key, QStringView *value)
{
    const qsizetype eq = line.indexOf(u'=');
    if (eq <= 0 || line.trimmed().startsWith(u';'))
        return false;
    *key = line.left(eq).trimmed();
    *value = line.mid(eq + 1).trimmed();
    return !key->isEmpty();
}

qsizetype findKey(const QStringList &lines, qsizetype header, QStringView key)
{
    const qsizetype end = sectionEnd(lines, header);
    for (qsizetype i = header + 1; i < end; ++i) {
        QStringView k, v;
        if (splitKeyValue(lines[i], &k, &v) && sameName(k, key))
            return i;
    }
    return -1;
}

} // namespace

QStringList IniFile::loadLines() const
{
    QFile file(m_fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    // Written as UTF-8 here; a file from elsewhere may be in the Windows code page.
    const auto text = Utf8::decode(bytes);
    return EditorText::splitLines(text ? *text : Cp1251::decode(bytes));
}

void IniFile::saveLines(const QStringList &lines)
{
    QByteArray bytes = lines.join(QStringLiteral("\r\n")).toUtf8();
    if (!lines.isEmpty())
        bytes += "\r\n";
    const QString reason = writeWholeFile(bytes, m_fileName);
    if (!reason.isEmpty())
        throw AppError(QStringLiteral("Unable to write to %1. %2").arg(m_fileName, reason));
}

QString IniFile::readString(const QString &section, const QString &key, const QString &def) const
{
    const QStringList lines = loadLines();
    const qsizetype header = findSection(lines, section);
    if (header < 0)
        return def;
    const qsizetype at = findKey(lines, header, key);
    if (at < 0)
        return def;
    QStringView k, v;
    splitKeyValue(lines[at], &k, &v);
    return v.toString();
}

qint32 IniFile::readInteger(const QString &section, const QString &key, qint32 def) const
{
    return parseIniInteger(readString(section, key, QString())).value_or(def);
}

bool IniFile::readBool(const QString &section, const QString &key, bool def) const
{
    return readInteger(section, key, def ? 1 : 0) != 0;
}

qint32 IniFile::readColor(const QString &section, const QString &key, qint32 def) const
{
    const QString text = readString(section, key, QString());
    if (text.isEmpty())
        return def;
    return stringToColor(text);
}

bool IniFile::valueExists(const QString &section, const QString &key) const
{
    const QStringList lines = loadLines();
    const qsizetype header = findSection(lines, section);
    return header >= 0 && findKey(lines, header, key) >= 0;
}

QStringList IniFile::readSectionKeys(const QString &section) const
{
    const QStringList lines = loadLines();
    const qsizetype header = findSection(lines, section);
    QStringList keys;
    if (header < 0)
        return keys;
    const qsizetype end = sectionEnd(lines, header);
    for (qsizetype i = header + 1; i < end; ++i) {
        QStringView k, v;
        if (splitKeyValue(lines[i], &k, &v))
            keys.append(k.toString());
    }
    return keys;
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    QStringList lines = loadLines();
    const QString entry = key + u'=' + value;
    qsizetype header = findSection(lines, section);
    if (header < 0) {
        lines.append(u'[' + section + u']');
        lines.append(entry);
    } else if (const qsizetype at = findKey(lines, header, key); at >= 0) {
        lines[at] = entry;
    } else {
        // After the section's last non-blank line, so blank separators stay below it.
        qsizetype pos = sectionEnd(lines, header);
        while (pos > header + 1 && lines[pos - 1].trimmed().isEmpty())
            --pos;
        lines.insert(pos, entry);
    }
    saveLines(lines);
}

void IniFile::writeInteger(const QString &section, const QString &key, qint32 value)
{
    writeString(section, key, QString::number(value));
}

void IniFile::writeBool(const QString &section, const QString &key, bool value)
{
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void IniFile::writeColor(const QString &section, const QString &key, qint32 value)
{
    writeString(section, key, colorToString(value));
}

void IniFile::deleteKey(const QString &section, const QString &key)
{
    QStringList lines = loadLines();
    const qsizetype header = findSection(lines, section);
    const qsizetype at = header < 0 ? -1 : findKey(lines, header, key);
    if (at < 0)
        return;
    lines.removeAt(at);
    saveLines(lines);
}

void IniFile::eraseSection(const QString &section)
{
    QStringList lines = loadLines();
    const qsizetype header = findSection(lines, section);
    if (header < 0)
        return;
    lines.remove(header, sectionEnd(lines, header) - header);
    saveLines(lines);
}
