// Reader of the unit data files: sections, records, column descriptions, and the wizards' check.
#include "gamedata/DatParser.h"

#include "AppError.h"
#include "text/Cp1251.h"
#include "text/EditorText.h"

#include <QFile>

namespace {

const QString kSyntaxMarker = QStringLiteral("Syntax = ");

QString fileError(const QString &fileName)
{
    return QStringLiteral("Ошибка при работе с файлом ") + fileName + QLatin1Char('.');
}

// Blanks and all control characters are padding, so tabs and stray CRs go with the blanks.
bool isPadding(QChar ch)
{
    return ch.unicode() <= 0x20;
}

QString trimmed(const QString &s)
{
    qsizetype first = 0;
    qsizetype last = s.size();
    while (first < last && isPadding(s.at(first)))
        ++first;
    while (last > first && isPadding(s.at(last - 1)))
        --last;
    return s.mid(first, last - first);
}

bool isSlotCount(const QString &field)
{
    if (field.isEmpty() || field.size() > 9)
        return false;
    for (QChar ch : field)
        if (ch < u'0' || ch > u'9')
            return false;
    return true;
}

} // namespace

void splitParams(const QString &text, DatParams &params)
{
    params.clear();
    QString field;
    for (QChar ch : text) {
        if (ch == u',') {
            params.append(field);
            field.clear();
        } else if (field.size() < kDatMaxField) {
            field.append(ch);
        }
    }
    if (!field.isEmpty())
        params.append(field);
}

QString extractSectionName(const QString &line)
{
    // Positions as 1-based, 0 for "none", so that a ']' without a '[' names the text before it.
    const qsizetype a = line.indexOf(u'[') + 1;
    const qsizetype b = line.indexOf(u']') + 1;
    if (line.size() < 2 || b <= a)
        return QString();
    return line.mid(a, b - a - 1).left(kDatMaxField);
}

QString extractSyntax(const QString &line)
{
    const qsizetype p = line.indexOf(kSyntaxMarker);
    if (p < 0)
        return QString();
    return line.mid(p + kSyntaxMarker.size()).left(kDatMaxField);
}

void trimAndPackLines(QStringList &lines)
{
    for (qsizetype i = lines.size() - 1; i >= 0; --i) {
        lines[i] = trimmed(lines.at(i));
        if (lines.at(i).isEmpty())
            lines.removeAt(i);
    }
}

DatSection::DatSection(const QString &sectionName) : name(sectionName.left(kDatMaxField)) {}

QString DatSection::nameAt(int index) const
{
    if (index < 0 || index >= lines.size())
        throw AppError(QStringLiteral("List index out of bounds (%1)").arg(index));
    const QString &line = lines.at(index);
    const qsizetype comma = line.indexOf(u',');
    return (comma < 0 ? line : line.left(comma)).left(kDatMaxField);
}

void DatSection::params(int index, DatParams &result) const
{
    if (index == -1) {
        splitParams(syntax, result);
        return;
    }
    if (index < -1 || index >= lines.size())
        throw AppError(QStringLiteral("Неверный индекс параметров.\r\nИндекс должен быть в пределах -1...")
                       + QString::number(lines.size() - 1));
    splitParams(lines.at(index), result);
}

DatParams DatSection::params(int index) const
{
    DatParams result;
    params(index, result);
    return result;
}

DatParser::DatParser(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(fileError(fileName));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw AppError(fileError(fileName));

    // A NUL ends the text: existing files were always read that way.
    QStringList lines = EditorText::splitLines(Cp1251::decode(bytes));
    trimAndPackLines(lines);
    // The format has no empty data file: a file without a single line is an error.
    if (lines.isEmpty())
        throw AppError(fileError(fileName));
    parse(lines);
}

void DatParser::parse(const QStringList &lines)
{
    DatSection *current = nullptr;
    for (const QString &line : lines) {
        const QString name = extractSectionName(line);
        if (!name.isEmpty()) {
            auto section = std::make_unique<DatSection>(name);
            section->syntax = extractSyntax(line);
            current = section.get();
            sections.push_back(std::move(section));
        } else if (current) {
            current->lines.append(line);
        }
    }
}

void checkUnitData(const DatParser &parser, const QString &fileName)
{
    constexpr int kEquipmentSection = 3;
    if (parser.sections.size() < kEquipmentSection + 1)
        throw AppError(fileError(fileName));

    DatParams f;
    for (int s = 0; s < kEquipmentSection; ++s) {
        const DatSection &section = *parser.sections[s];
        for (int i = 0; i < section.lines.size(); ++i) {
            section.params(i, f);
            // weapon, magazine, slots [, grenade magazine, slots]; later fields are not read
            bool ok = f.size() >= 3 && f.size() != 4 && !f[0].isEmpty() && !f[1].isEmpty()
                      && isSlotCount(f[2]);
            if (ok && f.size() >= 5)
                ok = !f[3].isEmpty() && isSlotCount(f[4]);
            if (!ok)
                throw AppError(fileError(fileName));
        }
    }
    const DatSection &equipment = *parser.sections[kEquipmentSection];
    for (int i = 0; i < equipment.lines.size(); ++i) {
        equipment.params(i, f);
        // item, slots; later fields are not read, as with the weapons
        if (f.size() < 2 || f[0].isEmpty() || !isSlotCount(f[1]))
            throw AppError(fileError(fileName));
    }
}
