// Identifier runs found by stepping over whole characters in both directions.
#include "search/WordRuns.h"

#include "search/TextOffsets.h"

namespace {

bool identAt(QByteArrayView text, qsizetype pos)
{
    return pos >= 0 && pos < text.size() && WordRuns::isIdentChar(TextOffsets::charAt(text, pos));
}

qsizetype runStart(QByteArrayView text, qsizetype pos)
{
    while (pos > 0) {
        const qsizetype before = TextOffsets::previousChar(text, pos);
        if (!identAt(text, before))
            break;
        pos = before;
    }
    return pos;
}

qsizetype runEnd(QByteArrayView text, qsizetype pos)
{
    while (identAt(text, pos))
        pos = TextOffsets::nextChar(text, pos);
    return pos;
}

} // namespace

namespace WordRuns {

bool isIdentChar(char32_t ch)
{
    return (ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'Z') || ch == '_' || (ch >= 'a' && ch <= 'z')
        || (ch >= 0x0410 && ch <= 0x044F);
}

Run runAt(QByteArrayView text, qsizetype pos)
{
    if (identAt(text, pos))
        return {runStart(text, pos), runEnd(text, pos)};
    return {runStart(text, pos), pos};
}

Run wordAtCaret(QByteArrayView text, qsizetype caret)
{
    if (!identAt(text, caret))
        return {caret, caret};
    return {runStart(text, caret), runEnd(text, caret)};
}

bool isWholeWordMatch(QByteArrayView text, qsizetype start, qsizetype length)
{
    const Run word = runAt(text, start);
    return TextOffsets::charCount(text.sliced(word.start, word.size()))
        == TextOffsets::charCount(text.sliced(start, length));
}

bool isSeparateWord(QByteArrayView text, qsizetype start, qsizetype length)
{
    const bool touchedBefore = start > 0 && identAt(text, TextOffsets::previousChar(text, start));
    return !touchedBefore && !identAt(text, start + length);
}

} // namespace WordRuns
