// Saving documents: the bytes of each encoding, the re-encodings, the save dialog's extensions,
// and the printed line layout.
#include "text/DocumentCodec.h"
#include "text/PrintLayout.h"
#include "text/SaveFileName.h"

#include <gtest/gtest.h>

using DocumentCodec::Encoding;

TEST(DocumentCodec, SaveBytesByEncoding)
{
    struct Case
    {
        QString text;
        Encoding encoding;
        bool bom;
        QByteArray bytes;
        QString replaced;
    };
    const Case cases[] = {
        {u"Пр"_qs, Encoding::Ansi, true, "\xCF\xF0", ""}, // no mark in ANSI
        {"", Encoding::Utf8, true, "\xEF\xBB\xBF", ""},
        // A character beyond the 16-bit plane is one '?', listed whole.
        {QString::fromUtf8("x\xF0\x9F\x98\x80y\xF0\x9F\x98\x80"), Encoding::Ansi, false, "x?y?",
         QString::fromUtf8("\xF0\x9F\x98\x80")},
        {QString::fromUtf8("\xF0\x9F\x98\x80"), Encoding::Utf8, false, "\xF0\x9F\x98\x80", ""},
    };
    for (const Case &c : cases) {
        QString replaced;
        EXPECT_EQ(DocumentCodec::encode(c.text, c.encoding, c.bom, &replaced), c.bytes) << qPrintable(c.text);
        EXPECT_EQ(replaced, c.replaced) << qPrintable(c.text);
    }
}

TEST(DocumentCodec, ReEncodingsUndoEachOther)
{
    // "И" becomes D0 98, and 0x98 is the one byte Windows-1251 leaves undefined.
    for (const QString &text : {u"Привет\r\nмир"_qs, u"ИЁё№ abc"_qs, u""_qs}) {
        const QString shown = DocumentCodec::utf8BytesAsAnsi(text);
        EXPECT_EQ(DocumentCodec::ansiBytesAsUtf8(shown), text) << qPrintable(text);
    }
    EXPECT_EQ(DocumentCodec::utf8BytesAsAnsi(u"Привет"), u"РџСЂРёРІРµС‚"_qs);
    EXPECT_EQ(DocumentCodec::ansiBytesAsUtf8(u"\u043F\u00BB\u0457Рџ"), u"П"_qs); // a mark in front is dropped
    EXPECT_EQ(DocumentCodec::ansiBytesAsUtf8(u"Привет"), std::nullopt);        // Windows-1251 bytes, not UTF-8
    EXPECT_EQ(DocumentCodec::ansiBytesAsUtf8(u"\u4E2D"), std::nullopt);        // not a text of bytes at all
}

TEST(SaveFileName, ForcedExtensions)
{
    struct Case
    {
        QString typed;
        int filter;
        QString saved;
    };
    const Case cases[] = {
        {"/d/a.txt", 1, "/d/a.sqs"},         {"/d/script", 1, "/d/script.sqs"},
        {"/d/a.txt", 8, "/d/a.txt"},         {"/d/a.b.txt", 7, "/d/a.b.html"},
        {"/d.v2/script", 2, "/d.v2/script.sqf"}, {"/d/x.", 5, "/d/x.csv"},
        {"/d/a.SQS", 1, "/d/a.sqs"},         {"/d/a", 0, "/d/a"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(SaveFileName::withForcedExtension(c.typed, c.filter), c.saved) << qPrintable(c.typed);

    const std::pair<QString, int> indexes[] = {
        {"/d/a.sqs", 1}, {"/d/A.SQF", 2}, {"x.ext", 3}, {"x.sqm", 4}, {"x.csv", 5}, {"x.txt", 6},
        {"x.html", 7},   {"x.htm", 0},    {"noext", 0}, {"/d.sqs/file", 0},
    };
    for (const auto &[path, index] : indexes)
        EXPECT_EQ(SaveFileName::filterIndexOf(path), index) << qPrintable(path);
}

namespace {

// Every character one unit wide, 'W' two; a page ten units wide, tabs every four.
PrintLayout::Result layOut(const QStringList &lines, int rows = 100)
{
    const PrintLayout::Page page{10, rows, 4};
    return PrintLayout::layout(lines, page, [](QStringView s) { return qreal(s.size() + s.count(u'W')); });
}

} // namespace

TEST(PrintLayout, LinesCarryOverTabsAndPages)
{
    using P = PrintLayout::Piece;
    struct Case
    {
        const char *name;
        QStringList lines;
        int rows;
        std::vector<P> pieces;
        int pages;
    };
    const Case cases[] = {
        {"one row per line, empty ones too", {"ab", "", "c"}, 100, {{0, 0, 0, "ab"}, {0, 2, 0, "c"}}, 1},
        {"exact fit stays", {"0123456789"}, 100, {{0, 0, 0, "0123456789"}}, 1},
        {"carried over", {"0123456789abc"}, 100, {{0, 0, 0, "0123456789"}, {0, 1, 0, "abc"}}, 1},
        {"wide characters", {"WWWWWW"}, 100, {{0, 0, 0, "WWWWW"}, {0, 1, 0, "W"}}, 1},
        {"tabs to multiples", {"a\tb\t\tc"}, 100, {{0, 0, 0, "a"}, {0, 0, 4, "b"}, {0, 1, 0, "c"}}, 1},
        {"tab at a stop goes on", {"abcd\te"}, 100, {{0, 0, 0, "abcd"}, {0, 0, 8, "e"}}, 1},
        {"new pages", {"a", "b", "c", "d", "e"}, 2,
         {{0, 0, 0, "a"}, {0, 1, 0, "b"}, {1, 0, 0, "c"}, {1, 1, 0, "d"}, {2, 0, 0, "e"}}, 3},
        {"carry-over onto a new page", {"a", "0123456789x"}, 2,
         {{0, 0, 0, "a"}, {0, 1, 0, "0123456789"}, {1, 0, 0, "x"}}, 2},
        {"a full last page adds none", {"a", "b"}, 2, {{0, 0, 0, "a"}, {0, 1, 0, "b"}}, 1},
        {"nothing to print", {}, 100, {}, 1},
    };
    for (const Case &c : cases) {
        const PrintLayout::Result r = layOut(c.lines, c.rows);
        EXPECT_EQ(r.pieces, c.pieces) << c.name;
        EXPECT_EQ(r.pages, c.pages) << c.name;
    }
}

TEST(PrintLayout, NeverLoopsOnAPageNarrowerThanACharacter)
{
    const PrintLayout::Page page{0.5, 10, 4};
    const auto r = PrintLayout::layout({QString::fromUtf8("ab\xF0\x9F\x98\x80")}, page,
                                       [](QStringView s) { return qreal(s.size()); });
    ASSERT_EQ(r.pieces.size(), 3u);
    EXPECT_EQ(r.pieces[2].text, QString::fromUtf8("\xF0\x9F\x98\x80")); // a pair is never split
}
