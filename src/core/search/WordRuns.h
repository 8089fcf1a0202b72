// Runs of identifier characters in UTF-8 text: the whole-word rule of the search and the word
// at the caret.
#pragma once

#include <QByteArrayView>

namespace WordRuns {

// The highlighter's identifier characters: '0'..'9', 'A'..'Z', '_', 'a'..'z' and the Cyrillic
// letters А..я (U+0410..U+044F; Ё and ё are not among them).
bool isIdentChar(char32_t ch);

struct Run
{
    qsizetype start = 0; // bytes
    qsizetype end = 0;

    qsizetype size() const { return end - start; }
    bool operator==(const Run &) const = default;
};

// The word the whole-word rule measures a match against: the run of identifier characters
// holding the character at `pos` when that is one, else the run that ends just before `pos`
// (empty when the character before is none, as at a line start).
Run runAt(QByteArrayView text, qsizetype pos);

// The word at the caret: the run holding the character after the caret, empty when that is
// no identifier character (a blank, a line end, the end of the text).
Run wordAtCaret(QByteArrayView text, qsizetype caret);

// A regular-expression match at [start, start + length) counts as a whole word when its length
// in characters equals that of runAt(start).
bool isWholeWordMatch(QByteArrayView text, qsizetype start, qsizetype length);

// A plain-text hit counts as a whole word when no identifier character touches either end.
bool isSeparateWord(QByteArrayView text, qsizetype start, qsizetype length);

} // namespace WordRuns
