// Character steps over UTF-8 bytes by the strict rules of Utf8::sequenceLength.
#include "search/TextOffsets.h"

#include "text/Utf8.h"

namespace {

inline const unsigned char *bytesOf(QByteArrayView text)
{
    return reinterpret_cast<const unsigned char *>(text.data());
}

// Bytes of the character at p (n > 0 left): a malformed byte stands alone.
inline qsizetype stepAt(const unsigned char *p, qsizetype n)
{
    if (*p < 0x80)
        return 1;
    const qsizetype len = Utf8::sequenceLength(p, n);
    return len > 0 ? len : 1;
}

} // namespace

namespace TextOffsets {

qsizetype charCount(QByteArrayView bytes)
{
    const unsigned char *p = bytesOf(bytes);
    const qsizetype n = bytes.size();
    qsizetype chars = 0;
    for (qsizetype i = 0; i < n; ++chars)
        i += stepAt(p + i, n - i);
    return chars;
}

qsizetype byteLength(QByteArrayView bytes, qsizetype chars)
{
    const unsigned char *p = bytesOf(bytes);
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    for (qsizetype c = 0; c < chars && i < n; ++c)
        i += stepAt(p + i, n - i);
    return i;
}

qsizetype nextChar(QByteArrayView text, qsizetype pos)
{
    if (pos < 0)
        return 0;
    if (pos >= text.size())
        return text.size();
    return pos + stepAt(bytesOf(text) + pos, text.size() - pos);
}

qsizetype previousChar(QByteArrayView text, qsizetype pos)
{
    if (pos <= 0)
        return 0;
    if (pos > text.size())
        return text.size();
    const unsigned char *p = bytesOf(text);
    // A lead byte at most three bytes back whose sequence ends exactly at pos; else one byte.
    for (qsizetype back = 2; back <= 4 && pos - back >= 0; ++back) {
        if ((p[pos - back + 1] & 0xC0) != 0x80)
            break;
        if (Utf8::sequenceLength(p + pos - back, text.size() - (pos - back)) == back)
            return pos - back;
    }
    return pos - 1;
}

char32_t charAt(QByteArrayView text, qsizetype pos)
{
    if (pos < 0 || pos >= text.size())
        return 0xFFFD;
    const unsigned char *p = bytesOf(text) + pos;
    if (*p < 0x80)
        return *p;
    const qsizetype len = Utf8::sequenceLength(p, text.size() - pos);
    if (len == 0)
        return 0xFFFD;
    char32_t c = *p & (0xFF >> (len + 1));
    for (qsizetype k = 1; k < len; ++k)
        c = (c << 6) | (p[k] & 0x3F);
    return c;
}

QString toQString(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); i = nextChar(bytes, i)) {
        const char32_t c = charAt(bytes, i);
        if (QChar::requiresSurrogates(c)) {
            text.append(QChar(QChar::highSurrogate(c)));
            text.append(QChar(QChar::lowSurrogate(c)));
        } else {
            text.append(QChar(char16_t(c)));
        }
    }
    return text;
}

qsizetype utf16Length(QByteArrayView bytes)
{
    qsizetype units = 0;
    for (qsizetype i = 0; i < bytes.size(); i = nextChar(bytes, i))
        units += QChar::requiresSurrogates(charAt(bytes, i)) ? 2 : 1;
    return units;
}

qsizetype byteLengthOfUtf16(QByteArrayView bytes, qsizetype units)
{
    qsizetype i = 0;
    for (qsizetype u = 0; u < units && i < bytes.size(); i = nextChar(bytes, i))
        u += QChar::requiresSurrogates(charAt(bytes, i)) ? 2 : 1;
    return i;
}

} // namespace TextOffsets
