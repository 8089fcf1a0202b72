// Partner search line by line with the highlighter's scanner; the double click's selection.
#include "script/BracketMatch.h"

#include <algorithm>
#include <cstring>

ScriptText::ScriptText(QByteArrayView text, const SqsScanner &scanner, LineRanges *ranges)
    : m_text(text), m_scanner(scanner), m_ranges(ranges ? *ranges : m_ownRanges)
{
}

qsizetype ScriptText::lineStart(qsizetype pos) const
{
    const char *p = m_text.data();
    pos = std::clamp<qsizetype>(pos, 0, m_text.size());
    while (pos > 0 && p[pos - 1] != '\n' && p[pos - 1] != '\r')
        --pos;
    return pos;
}

qsizetype ScriptText::lineEnd(qsizetype start) const
{
    const char *p = m_text.data();
    while (start < m_text.size() && p[start] != '\n' && p[start] != '\r')
        ++start;
    return start;
}

const char *ScriptText::lineKinds(qsizetype start) const
{
    if (m_kindsLine != start) {
        const qsizetype end = lineEnd(start);
        m_kinds.resize(std::size_t(end - start) + 1);
        m_scanner.styleLine(m_text.sliced(start, end - start), m_ranges.at(m_text, m_scanner, start), m_kinds.data());
        m_kindsLine = start;
    }
    return m_kinds.data();
}

TokenKind ScriptText::kindAt(qsizetype pos) const
{
    if (pos < 0 || pos >= m_text.size() || m_text[pos] == '\r' || m_text[pos] == '\n')
        return tkSpace;
    const qsizetype start = lineStart(pos);
    return TokenKind(lineKinds(start)[pos - start]);
}

bool ScriptText::inStringOrComment(qsizetype pos) const
{
    switch (kindAt(pos)) {
    case tkString:
    case tkComment:
    case tkDSL:
    case tkSdot:
        return true;
    default:
        return false;
    }
}

namespace BracketMatch {

namespace {

constexpr char kBrackets[] = "()[]{}<>"; // pairs side by side: opening at even indexes

int bracketIndex(char c)
{
    const char *at = c ? std::strchr(kBrackets, c) : nullptr;
    return at ? int(at - kBrackets) : -1;
}

bool inCode(const char *kinds, qsizetype i)
{
    const TokenKind k = TokenKind(kinds[i]);
    return k != tkString && k != tkComment && k != tkDSL && k != tkSdot;
}

qsizetype searchForward(const ScriptText &text, qsizetype pos, char open, char close)
{
    const QByteArrayView bytes = text.bytes();
    int depth = 1;
    for (qsizetype ls = text.lineStart(pos), from = pos + 1;;) {
        const qsizetype le = text.lineEnd(ls);
        const char *kinds = text.lineKinds(ls);
        for (qsizetype i = from; i < le; ++i) {
            const char c = bytes[i];
            if ((c != open && c != close) || !inCode(kinds, i - ls))
                continue;
            depth += c == open ? 1 : -1;
            if (depth == 0)
                return i;
        }
        if (le >= bytes.size())
            return -1;
        ls = le + (bytes[le] == '\r' && le + 1 < bytes.size() && bytes[le + 1] == '\n' ? 2 : 1);
        from = ls;
    }
}

qsizetype searchBackward(const ScriptText &text, qsizetype pos, char open, char close)
{
    const QByteArrayView bytes = text.bytes();
    int depth = 1;
    for (qsizetype ls = text.lineStart(pos), from = pos - 1;;) {
        const char *kinds = text.lineKinds(ls);
        for (qsizetype i = from; i >= ls; --i) {
            const char c = bytes[i];
            if ((c != open && c != close) || !inCode(kinds, i - ls))
                continue;
            depth += c == close ? 1 : -1;
            if (depth == 0)
                return i;
        }
        if (ls == 0)
            return -1;
        // The line before ends where its break does.
        qsizetype le = ls - 1;
        if (le > 0 && bytes[le] == '\n' && bytes[le - 1] == '\r')
            --le;
        ls = text.lineStart(le);
        from = le - 1;
    }
}

} // namespace

bool isBracket(char c)
{
    return bracketIndex(c) >= 0;
}

qsizetype chooseBracket(QByteArrayView text, qsizetype caret)
{
    if (caret >= 0 && caret < text.size() && isBracket(text[caret]))
        return caret;
    if (caret > 0 && caret <= text.size() && isBracket(text[caret - 1]))
        return caret - 1;
    return -1;
}

qsizetype partner(const ScriptText &text, qsizetype pos)
{
    const QByteArrayView bytes = text.bytes();
    if (pos < 0 || pos >= bytes.size())
        return -1;
    const int index = bracketIndex(bytes[pos]);
    if (index < 0)
        return -1;
    const char open = kBrackets[index & ~1], close = kBrackets[index | 1];
    return index % 2 == 0 ? searchForward(text, pos, open, close) : searchBackward(text, pos, open, close);
}

bool isPainted(const ScriptText &text, qsizetype pos)
{
    const QByteArrayView bytes = text.bytes();
    if (pos < 0 || pos >= bytes.size() || bracketIndex(bytes[pos]) < 0 || bracketIndex(bytes[pos]) >= 6)
        return false;
    const TokenKind kind = text.kindAt(pos);
    return kind == tkIdentifier || kind == tkUnknown;
}

std::optional<Selection> selectionToPartner(qsizetype caret, qsizetype bracket, qsizetype partnerPos)
{
    if (bracket < 0 || partnerPos < 0)
        return std::nullopt;
    // A bracket after the caret leaves the caret outside its pair (before an opening bracket) or
    // inside it (before a closing one): either way the selection takes the partner in. From a
    // bracket before the caret it stops short of the partner.
    const bool bracketAfterCaret = bracket == caret;
    return Selection{caret, bracketAfterCaret ? partnerPos + 1 : partnerPos};
}

} // namespace BracketMatch
