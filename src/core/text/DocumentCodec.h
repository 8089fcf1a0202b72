// How a document's bytes become the editor's text and back.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace DocumentCodec {

// A byte-order mark selects UTF-8 for the rest; otherwise valid UTF-8 is decoded as such
// and anything else read as Windows-1251. The result is in the editor's text form.
QString decode(QByteArrayView bytes);

// The same text as the editor holds it, UTF-8 bytes in the editor's form; a file that is UTF-8
// already goes in without being converted at all.
QByteArray decodeToUtf8(QByteArrayView bytes);

enum class Encoding { Ansi, Utf8 };

// The bytes of a save. ANSI writes a character Windows-1251 lacks as '?' and appends it,
// once, to *replaced; the mark is written only with UTF-8.
QByteArray encode(QStringView text, Encoding encoding, bool bom = false, QString *replaced = nullptr);

// "Win -> UTF-8": the text's UTF-8 bytes, each shown as its Windows-1251 character.
QString utf8BytesAsAnsi(QStringView text);

// "UTF-8 -> Win": the text's Windows-1251 bytes, without a leading mark, decoded as UTF-8.
// Nothing when the text holds a character Windows-1251 lacks (it did not come from bytes)
// or when the bytes are not UTF-8.
std::optional<QString> ansiBytesAsUtf8(QStringView text);

} // namespace DocumentCodec
