// Decoding documents on open.
#include "text/DocumentCodec.h"

#include "text/Cp1251.h"
#include "text/EditorText.h"
#include "text/Utf8.h"

namespace DocumentCodec {

QString decode(QByteArrayView bytes)
{
    if (Utf8::hasBom(bytes))
        bytes = bytes.sliced(3);
    // Invalid UTF-8 after a mark is still read: as Windows-1251, never as an empty text.
    const auto utf8 = Utf8::decode(bytes);
    return EditorText::normalize(utf8 ? *utf8 : Cp1251::decode(bytes));
}

} // namespace DocumentCodec
