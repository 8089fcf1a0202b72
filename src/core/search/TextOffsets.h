// The one place where the editor's UTF-8 byte offsets and character offsets meet.
#pragma once

#include <QByteArrayView>
#include <QString>

// A character is what the editor shows as one: a well-formed UTF-8 sequence, or a single byte
// of a malformed one. Every conversion between bytes and characters in the program goes through
// here, so that a Cyrillic or emoji text is measured the same way everywhere.
namespace TextOffsets {

// The number of characters in `bytes`.
qsizetype charCount(QByteArrayView bytes);

// The bytes taken by the first `chars` characters of `bytes` (all of them when there are fewer).
qsizetype byteLength(QByteArrayView bytes, qsizetype chars);

// The byte offset of the character after / before the one at `pos` (clamped to the text).
qsizetype nextChar(QByteArrayView text, qsizetype pos);
qsizetype previousChar(QByteArrayView text, qsizetype pos);

// The code point of the character at `pos`; U+FFFD for a malformed byte or past the end.
char32_t charAt(QByteArrayView text, qsizetype pos);

// The characters of `bytes` as a QString, a malformed byte as U+FFFD, so that a QString index
// into it and a byte offset convert exactly by the two functions below. A character above
// U+FFFF takes two UTF-16 units.
QString toQString(QByteArrayView bytes);
// The UTF-16 units taken by the characters of `bytes`.
qsizetype utf16Length(QByteArrayView bytes);
// The bytes taken by the characters that fill the first `units` UTF-16 units of `bytes` (all of
// them when there are fewer); an index between the two units of a pair counts the whole character.
qsizetype byteLengthOfUtf16(QByteArrayView bytes, qsizetype units);

} // namespace TextOffsets
