// Reader of the unit data files: sections, records, column descriptions, and the wizards' check.
#include "gamedata/uDatParser.h"

#include "AppError.h"
#include "text/Cp1251.h"

#include <QFile>

namespace {

const QString SyntaxMarker = QStringLiteral("Syntax = ");

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

// Splits at CR LF, CR or LF. A NUL byte ends the text: existing files were always read that
// way, so whatever follows one was never part of their data.
QStringList splitLines(const QString &text)
{
    QStringList lines;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && text.at(i) != QChar(0)) {
        const qsizetype start = i;
        while (i < n && text.at(i) != QChar(0) && text.at(i) != u'\r' && text.at(i) != u'\n')
            ++i;
        lines.append(text.mid(start, i - start));
        if (i < n && text.at(i) == u'\r')
            ++i;
        if (i < n && text.at(i) == u'\n')
            ++i;
    }
    return lines;
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

void SplitParams(const QString &S, TParams &Params)
{
    Params.clear();
    QString field;
    for (QChar ch : S) {
        if (ch == u',') {
            Params.append(field);
            field.clear();
        } else if (field.size() < DatMaxField) {
            field.append(ch);
        }
    }
    if (!field.isEmpty())
        Params.append(field);
}

QString ExtractSectionName(const QString &Line)
{
    // Positions as 1-based, 0 for "none", so that a ']' without a '[' names the text before it.
    const qsizetype a = Line.indexOf(u'[') + 1;
    const qsizetype b = Line.indexOf(u']') + 1;
    if (Line.size() < 2 || b <= a)
        return QString();
    return Line.mid(a, b - a - 1).left(DatMaxField);
}

QString ExtractSyntax(const QString &Line)
{
    const qsizetype p = Line.indexOf(SyntaxMarker);
    if (p < 0)
        return QString();
    return Line.mid(p + SyntaxMarker.size()).left(DatMaxField);
}

void TrimAndPackLines(QStringList &Lines)
{
    for (qsizetype i = Lines.size() - 1; i >= 0; --i) {
        Lines[i] = trimmed(Lines.at(i));
        if (Lines.at(i).isEmpty())
            Lines.removeAt(i);
    }
}

TSection::TSection(const QString &Name) : Name(Name.left(DatMaxField)) {}

QString TSection::GetName(int Index) const
{
    if (Index < 0 || Index >= Lines.size())
        throw AppError(QStringLiteral("List index out of bounds (%1)").arg(Index));
    const QString &line = Lines.at(Index);
    const qsizetype comma = line.indexOf(u',');
    return (comma < 0 ? line : line.left(comma)).left(DatMaxField);
}

void TSection::GetParams(int Index, TParams &Params) const
{
    if (Index == -1) {
        SplitParams(Syntax, Params);
        return;
    }
    if (Index < -1 || Index >= Lines.size())
        throw AppError(QStringLiteral("Неверный индекс параметров.\r\nИндекс должен быть в пределах -1...")
                       + QString::number(Lines.size() - 1));
    SplitParams(Lines.at(Index), Params);
}

TParams TSection::GetParams(int Index) const
{
    TParams params;
    GetParams(Index, params);
    return params;
}

TDatParser::TDatParser(const QString &FileName)
{
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(fileError(FileName));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw AppError(fileError(FileName));

    QStringList lines = splitLines(Cp1251::decode(bytes));
    TrimAndPackLines(lines);
    // The format has no empty data file: a file without a single line is an error.
    if (lines.isEmpty())
        throw AppError(fileError(FileName));
    parse(lines);
}

void TDatParser::parse(const QStringList &lines)
{
    TSection *current = nullptr;
    for (const QString &line : lines) {
        const QString name = ExtractSectionName(line);
        if (!name.isEmpty()) {
            auto section = std::make_unique<TSection>(name);
            section->Syntax = ExtractSyntax(line);
            current = section.get();
            Sections.push_back(std::move(section));
        } else if (current) {
            current->Lines.append(line);
        }
    }
}

void CheckUnitData(const TDatParser &Parser, const QString &FileName)
{
    constexpr int EquipmentSection = 3;
    if (Parser.Sections.size() < EquipmentSection + 1)
        throw AppError(fileError(FileName));

    TParams f;
    for (int s = 0; s < EquipmentSection; ++s) {
        const TSection &section = *Parser.Sections[s];
        for (int i = 0; i < section.Lines.size(); ++i) {
            section.GetParams(i, f);
            // weapon, magazine, slots [, grenade magazine, slots]; later fields are not read
            bool ok = f.size() >= 3 && f.size() != 4 && !f[0].isEmpty() && !f[1].isEmpty()
                      && isSlotCount(f[2]);
            if (ok && f.size() >= 5)
                ok = !f[3].isEmpty() && isSlotCount(f[4]);
            if (!ok)
                throw AppError(fileError(FileName));
        }
    }
    const TSection &equipment = *Parser.Sections[EquipmentSection];
    for (int i = 0; i < equipment.Lines.size(); ++i) {
        equipment.GetParams(i, f);
        if (f.size() != 2 || f[0].isEmpty() || !isSlotCount(f[1]))
            throw AppError(fileError(FileName));
    }
}
