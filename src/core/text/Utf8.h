// Strict UTF-8 decoding: the standard rules, so a Windows-1251 file is never mistaken for UTF-8.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace Utf8 {

inline constexpr char kBom[] = "\xEF\xBB\xBF";

bool hasBom(QByteArrayView bytes);

// Bytes of the well-formed character at p (n > 0 bytes left), or 0 when it is malformed or cut.
qsizetype sequenceLength(const unsigned char *p, qsizetype n);

// True for well-formed UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool isValid(QByteArrayView bytes);

// The decoded text, or nothing when the bytes are not well-formed UTF-8.
std::optional<QString> decode(QByteArrayView bytes);

} // namespace Utf8
