// What the text around the caret says: the word at it, the word before it, a bracket beside it.
#pragma once

#include <QString>

namespace CaretText {

// The highlighter's identifier characters: ASCII letters and digits, '_' and the Cyrillic letters
// of the Windows-1251 code page.
bool isIdentChar(QChar c);

// The start of the run of identifier characters that ends at `index`.
qsizetype identStart(const QString &line, qsizetype index);

// The word around `index` (0-based): identifier characters on both sides of it, so a caret
// right after a word still finds it. Empty when there is none.
QString wordAt(const QString &line, qsizetype index);

// The word that ends nearest before `index`, skipping what is not an identifier character;
// only the line itself is searched.
QString previousWord(const QString &line, qsizetype index);

// True when the character at `index` or the one before it is one of ( ) < > [ ] { }.
bool bracketBesideCaret(const QString &line, qsizetype index);

} // namespace CaretText
