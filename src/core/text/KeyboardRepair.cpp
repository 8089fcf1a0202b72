// The two tables work on Windows-1251 bytes; the editor holds Unicode, so a character is looked
// up by its byte in that code page, and a character the code page lacks stays as it is.
#include "text/KeyboardRepair.h"

#include "text/Cp1251.h"

#include <array>

namespace {

using ByteTable = std::array<unsigned char, 256>;

struct Row
{
    const char16_t *from;
    const char16_t *to;
};

// Three entries are not a plain key exchange and are kept so: '"' becomes the small "э",
// both "Э" and "э" become '"', and ',' becomes '?' while '?' becomes ','.
constexpr Row kLayoutRows[] = {
    {u"ABCDEFGHIJKLMNOPQRSTUVWXYZ", u"ФИСВУАПРШОЛДЬТЩЗЙКЫЕГМЦЧНЯ"},
    {u"abcdefghijklmnopqrstuvwxyz", u"фисвуапршолдьтщзйкыегмцчня"},
    {u"АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ", u"F<DULT:PBQRKVYJGHCNEA{WXIO}SM\">Z"},
    {u"абвгдежзийклмнопрстуфхцчшщъыьэюя", u"f,dult;pbqrkvyjghcnea[wxio]sm\".z"},
    {u"\",./:;<>?[]{}", u"э?ю.ЖжБЮ,хъХЪ"},
};

constexpr Row kCaseRows[] = {
    {u"ABCDEFGHIJKLMNOPQRSTUVWXYZ", u"abcdefghijklmnopqrstuvwxyz"},
    {u"abcdefghijklmnopqrstuvwxyz", u"ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
    {u"АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ", u"абвгдежзийклмнопрстуфхцчшщъыьэюя"},
    {u"абвгдежзийклмнопрстуфхцчшщъыьэюя", u"АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ"},
};

template <std::size_t N>
ByteTable buildTable(const Row (&rows)[N])
{
    ByteTable table;
    for (int b = 0; b < 256; ++b)
        table[b] = static_cast<unsigned char>(b);
    for (const Row &row : rows) {
        const QStringView from(row.from), to(row.to);
        Q_ASSERT(from.size() == to.size());
        for (qsizetype i = 0; i < from.size(); ++i)
            table[Cp1251::fromUnicode(from[i])] = static_cast<unsigned char>(Cp1251::fromUnicode(to[i]));
    }
    return table;
}

QString apply(QStringView text, const ByteTable &table)
{
    QString out = text.toString();
    for (QChar &ch : out) {
        const int byte = Cp1251::fromUnicode(ch);
        if (byte >= 0 && table[byte] != byte)
            ch = Cp1251::toUnicode(table[byte]);
    }
    return out;
}

} // namespace

namespace KeyboardRepair {

QString switchLayout(QStringView text)
{
    static const ByteTable table = buildTable(kLayoutRows);
    return apply(text, table);
}

QString switchCase(QStringView text)
{
    static const ByteTable table = buildTable(kCaseRows);
    return apply(text, table);
}

} // namespace KeyboardRepair
