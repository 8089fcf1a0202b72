// Decoding documents on open, encoding them on save, and the two re-encodings.
#include "text/DocumentCodec.h"

#include "text/Cp1251.h"
#include "text/EditorText.h"
#include "text/Utf8.h"

namespace DocumentCodec {

QByteArray decodeToUtf8(QByteArrayView bytes)
{
    if (Utf8::hasBom(bytes))
        bytes = bytes.sliced(3);
    // Invalid UTF-8 after a mark is still read: as Windows-1251, never as an empty text.
    return EditorText::normalize(Utf8::isValid(bytes) ? bytes.toByteArray() : Cp1251::toUtf8(bytes));
}

QString decode(QByteArrayView bytes)
{
    return Utf8::decode(decodeToUtf8(bytes)).value_or(QString());
}

QByteArray encode(QStringView text, Encoding encoding, bool bom, QString *replaced)
{
    if (encoding == Encoding::Ansi)
        return Cp1251::encode(text, replaced);
    QByteArray bytes = bom ? QByteArray(Utf8::kBom, 3) : QByteArray();
    bytes.append(text.toUtf8());
    return bytes;
}

QString utf8BytesAsAnsi(QStringView text)
{
    return Cp1251::decode(text.toUtf8());
}

std::optional<QString> ansiBytesAsUtf8(QStringView text)
{
    if (!Cp1251::canEncode(text))
        return std::nullopt;
    QByteArray bytes = Cp1251::encode(text);
    if (Utf8::hasBom(bytes))
        bytes.remove(0, 3);
    return Utf8::decode(bytes);
}

} // namespace DocumentCodec
