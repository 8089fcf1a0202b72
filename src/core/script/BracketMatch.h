// The bracket beside the caret and its partner, for painting, the jump and the double click.
#pragma once

#include "script/LineRanges.h"
#include "script/SqsScanner.h"

#include <QByteArrayView>
#include <optional>
#include <vector>

// A script text (UTF-8, lines broken by CR LF, CR or LF) seen through the highlighter's scanner,
// so that brackets in strings and comments can be told from those in code.
class ScriptText
{
public:
    // `ranges` keeps what is open at each line start from one text to the next (its owner tells
    // it of edits); without it they are learnt from the top for this object alone.
    ScriptText(QByteArrayView text, const SqsScanner &scanner, LineRanges *ranges = nullptr);
    ScriptText(const ScriptText &) = delete;
    ScriptText &operator=(const ScriptText &) = delete;

    QByteArrayView bytes() const { return m_text; }
    // The token kind of the byte at `pos` as the highlighter scans its line.
    TokenKind kindAt(qsizetype pos) const;
    // True for a byte inside a string or any comment.
    bool inStringOrComment(qsizetype pos) const;

    qsizetype lineStart(qsizetype pos) const;
    qsizetype lineEnd(qsizetype lineStart) const; // where the line's break (or the text) begins

    // The kinds of the bytes of the line starting at `lineStart`, valid until the next call.
    const char *lineKinds(qsizetype lineStart) const;

private:
    QByteArrayView m_text;
    const SqsScanner &m_scanner;
    LineRanges m_ownRanges;
    LineRanges &m_ranges;
    mutable std::vector<char> m_kinds;
    mutable qsizetype m_kindsLine = -1;
};

namespace BracketMatch {

// One of the eight bracket characters ( ) [ ] { } < >.
bool isBracket(char c);

// The bracket the features act on: the character after the caret when it is a bracket, else the
// one before it; -1 when neither is.
qsizetype chooseBracket(QByteArrayView text, qsizetype caret);

// The partner of the bracket at `pos`: forward from an opening one, backward from a closing one,
// counting nesting of the same pair only and skipping brackets in strings and comments (the
// bracket at `pos` itself is taken wherever it is). -1 when there is none.
qsizetype partner(const ScriptText &text, qsizetype pos);

// Whether the bracket at `pos` is painted: one of ( ) [ ] { } in code (angle brackets and
// brackets in strings and comments are not).
bool isPainted(const ScriptText &text, qsizetype pos);

struct Selection
{
    qsizetype anchor = 0;
    qsizetype caret = 0;
    bool operator==(const Selection &) const = default;
};

// The double click's selection from the caret to the partner of the bracket at `bracket`: with
// the caret outside the pair both brackets are taken, inside only what lies between them.
std::optional<Selection> selectionToPartner(qsizetype caret, qsizetype bracket, qsizetype partnerPos);

} // namespace BracketMatch
