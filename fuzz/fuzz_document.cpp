// Opening a document: any bytes decoded; the editor form is stable and an ANSI text survives a save.
#include "FuzzInput.h"
#include "text/Cp1251.h"
#include "text/DocumentCodec.h"
#include "text/EditorText.h"
#include "text/Utf8.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    const QString text = DocumentCodec::decode(bytes);
    FUZZ_CHECK(EditorText::normalize(text) == text);
    FUZZ_CHECK(!text.contains(QChar(0)));
    // Saved as UTF-8 and opened again, the text is the same (unless it begins with U+FEFF, which
    // then reads as a byte-order mark).
    if (!text.startsWith(QChar(0xFEFF)))
        FUZZ_CHECK(DocumentCodec::decode(DocumentCodec::encode(text, DocumentCodec::Encoding::Utf8)) == text);
    if (Cp1251::canEncode(text)) {
        QString replaced;
        const QByteArray ansi = DocumentCodec::encode(text, DocumentCodec::Encoding::Ansi, false, &replaced);
        FUZZ_CHECK(replaced.isEmpty());
        FUZZ_CHECK(Cp1251::decode(ansi) == text);
    }
    // Well-formed UTF-8 decodes to the same bytes again, a leading U+FEFF included.
    if (const auto decoded = Utf8::decode(bytes))
        FUZZ_CHECK(decoded->toUtf8() == bytes);
    DocumentCodec::ansiBytesAsUtf8(DocumentCodec::utf8BytesAsAnsi(text));
    EditorText::splitLines(text);
    return 0;
}
