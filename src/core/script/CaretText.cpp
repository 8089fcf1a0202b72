// Words and brackets around the caret.
#include "script/CaretText.h"

#include "search/WordRuns.h"

namespace CaretText {

bool isIdentChar(QChar c)
{
    return WordRuns::isIdentChar(c.unicode());
}

qsizetype identStart(const QString &line, qsizetype index)
{
    index = qBound(qsizetype(0), index, line.size());
    while (index > 0 && isIdentChar(line[index - 1]))
        --index;
    return index;
}

QString wordAt(const QString &line, qsizetype index)
{
    if (index < 0 || index > line.size())
        return {};
    qsizetype stop = index;
    while (stop < line.size() && isIdentChar(line[stop]))
        ++stop;
    const qsizetype start = identStart(line, index);
    return line.mid(start, stop - start);
}

QString previousWord(const QString &line, qsizetype index)
{
    qsizetype end = qMin(index, line.size());
    while (end > 0 && !isIdentChar(line[end - 1]))
        --end;
    if (end == 0)
        return {};
    return wordAt(line, identStart(line, end));
}

bool bracketBesideCaret(const QString &line, qsizetype index)
{
    static const QString kBrackets = QStringLiteral("()<>[]{}");
    const auto isBracketAt = [&](qsizetype i) { return i >= 0 && i < line.size() && kBrackets.contains(line[i]); };
    return !line.isEmpty() && index <= line.size() && (isBracketAt(index) || isBracketAt(index - 1));
}

} // namespace CaretText
