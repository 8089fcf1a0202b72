// Encodings, the editor's text form, whole-file reads and writes, the bytes of each save, the save
// dialog's extensions and the printed line layout.
#include "../TestUtil.h"
#include "text/Cp1251.h"
#include "text/DocumentCodec.h"
#include "text/EditorText.h"
#include "text/FileText.h"
#include "text/PrintLayout.h"
#include "text/SaveFileName.h"
#include "text/Utf8.h"

#include <QDir>
#include <QTemporaryDir>
#include <cerrno>
#include <sys/stat.h>

using DocumentCodec::Encoding;

TEST(Encodings, EveryWindows1251ByteButNulSurvivesARoundTripAndUtf8IsStrict)
{
    QByteArray all;
    for (int b = 1; b < 256; ++b)
        all.append(char(b));
    const QString text = Cp1251::decode(all);
    ASSERT_EQ(text.size(), 255);
    EXPECT_EQ(Cp1251::encode(text), all);
    EXPECT_EQ(text[0xB8 - 1], QChar(0x0451)); // ё
    EXPECT_EQ(text[0xB9 - 1], QChar(0x2116)); // №
    for (const char *valid : {"plain", "\xD0\x9F\xD1\x80\xD0\xB8", "\xF0\x9F\x98\x80"})
        EXPECT_TRUE(Utf8::isValid(valid)) << valid;
    // overlong, surrogate, above U+10FFFF, truncated, Windows-1251
    for (const char *invalid : {"\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xD0", "\xCF\xF0\xE8\xE2\xE5\xF2"})
        EXPECT_FALSE(Utf8::isValid(invalid)) << invalid;
}

// Line breaks, NUL, marks and both encodings go through the window tests' open and save table.
TEST(DocumentCodec, DecodingSaveBytesAndReEncodingsThatUndoEachOther)
{
    EXPECT_EQ(DocumentCodec::decode("\xF0\x9F\x98\x80"), QString::fromUtf8("\xF0\x9F\x98\x80"));
    // Found by fuzzing: only the first mark is a mark; a second is a character of the text.
    EXPECT_EQ(DocumentCodec::decode("\xEF\xBB\xBF\xEF\xBB\xBFx"), u"\uFEFFx"_qs);
    // "И" becomes D0 98, and 0x98 is the one byte Windows-1251 leaves undefined.
    for (const QString &text : {u"Привет\r\nмир"_qs, u"ИЁё№ abc"_qs, u""_qs})
        EXPECT_EQ(DocumentCodec::ansiBytesAsUtf8(DocumentCodec::utf8BytesAsAnsi(text)), text) << qPrintable(text);
    EXPECT_EQ(DocumentCodec::ansiBytesAsUtf8(u"\u043F\u00BB\u0457Рџ"), u"П"_qs); // a mark in front is dropped
    // Windows-1251 bytes that are no UTF-8, and characters that are no Windows-1251 bytes at all.
    for (const QString &text : {u"Привет"_qs, u"\u4E2D"_qs, u"\u00E9"_qs})
        EXPECT_EQ(DocumentCodec::ansiBytesAsUtf8(text), std::nullopt) << qPrintable(text);
    struct Save { QString text; Encoding encoding; bool bom; QByteArray bytes; QString replaced; };
    const QString smile = QString::fromUtf8("\xF0\x9F\x98\x80");
    const Save saves[] = {
        {u"Пр"_qs, Encoding::Ansi, true, "\xCF\xF0", ""}, // no mark in ANSI
        {"", Encoding::Utf8, true, "\xEF\xBB\xBF", ""},    // an empty text with its mark
        // A surrogate pair outside the code page is one '?' and is listed once.
        {'x' + smile + 'y' + smile, Encoding::Ansi, false, "x?y?", smile},
        {smile, Encoding::Utf8, false, smile.toUtf8(), ""},
    };
    for (const Save &c : saves) {
        QString replaced;
        EXPECT_EQ(DocumentCodec::encode(c.text, c.encoding, c.bom, &replaced), c.bytes) << qPrintable(c.text);
        EXPECT_EQ(replaced, c.replaced) << qPrintable(c.text);
    }
}

// The final break stays: it is the editor's empty last line, though no printed one.
TEST(EditorText, AnyLineBreakIsOneCrLf)
{
    const std::pair<QString, QString> cases[] = {
        {u"a\r\n\r\nb\n"_qs, "a\r\n\r\nb\r\n"},
        {"\n", "\r\n"},
        {"a\rb\r", "a\r\nb\r\n"},
        {"a\n\rb", "a\r\n\r\nb"},
        {QString::fromLatin1("x\r\n\0y\n", 6), "x\r\n"},
        {"", ""},
        {"plain", "plain"},
    };
    for (const auto &[in, out] : cases) {
        EXPECT_EQ(EditorText::normalize(in), out) << in.toStdString();
        EXPECT_EQ(EditorText::normalize(out), out) << "a second pass changes nothing";
    }
    EXPECT_EQ(EditorText::splitLines(u"x\r\ry").size(), 3);
    EXPECT_EQ(EditorText::splitLines(u"x\r\n").size(), 1);
}

TEST(FileText, WholeFileReadsBackAsWritten)
{
    const QString path = tempFile("a.txt", {});
    saveTextToFile(QByteArray("old\0text", 8), path);
    EXPECT_EQ(loadFileToString(path), QByteArray("old\0text", 8));
    saveTextToFile(QByteArray(), path);
    EXPECT_TRUE(loadFileToString(path).isEmpty());
    EXPECT_TRUE(thrown([&] { loadFileToString(path + ".missing"); }).startsWith("Cannot open file \""));
    EXPECT_TRUE(thrown([&] { saveTextToFile("x", path + ".d/x.txt"); }).startsWith("Cannot create file \""));
}

// The whole file is written, then renaming it over root's file in a sticky folder is refused.
TEST(FileText, AReplacementRefusedAtTheEndLeavesTheOldFileWhole)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "not root: only root can own a file another user may write";
    QTemporaryDir sticky;
    chmod(QFile::encodeName(sticky.path()).constData(), 01777);
    const QString file = sticky.filePath("a.txt");
    saveTextToFile("old", file);
    chmod(QFile::encodeName(file).constData(), 0666);
    const AsUnprivilegedUser nobody;
    EXPECT_EQ(writeWholeFile("new", file), qt_error_string(EPERM));
    EXPECT_EQ(loadFileToString(file), QByteArray("old"));
    EXPECT_EQ(QDir(sticky.path()).entryList(QDir::Files | QDir::Hidden), QStringList("a.txt"));
}

TEST(SaveFileName, ForcedExtensions)
{
    const std::tuple<QString, int, QString> cases[] = {
        {"/d/a.txt", 1, "/d/a.sqs"},         {"/d/script", 1, "/d/script.sqs"},
        {"/d/a.txt", 8, "/d/a.txt"},         {"/d/a.b.txt", 7, "/d/a.b.html"},
        {"/d.v2/script", 2, "/d.v2/script.sqf"}, {"/d/x.", 5, "/d/x.csv"},
        {"/d/a.SQS", 1, "/d/a.sqs"},         {"/d/a", 0, "/d/a"},
    };
    for (const auto &[typed, filter, saved] : cases)
        EXPECT_EQ(SaveFileName::withForcedExtension(typed, filter), saved) << qPrintable(typed);
    const std::pair<QString, int> indexes[] = {
        {"/d/a.sqs", 1}, {"/d/A.SQF", 2}, {"x.ext", 3}, {"x.sqm", 4}, {"x.csv", 5}, {"x.txt", 6},
        {"x.html", 7},   {"x.htm", 0},    {"noext", 0}, {"/d.sqs/file", 0},
    };
    for (const auto &[path, index] : indexes)
        EXPECT_EQ(SaveFileName::filterIndexOf(path), index) << qPrintable(path);
}

TEST(PrintLayout, LinesLaidOutOnPages)
{
    using P = PrintLayout::Piece;
    struct Case { const char *name; QStringList lines; int rows; std::vector<P> pieces; int pages; };
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
    // Every character one unit wide, 'W' two; a page ten units wide, tabs every four.
    const auto width = [](QStringView s) { return qreal(s.size() + s.count(u'W')); };
    for (const Case &c : cases) {
        const PrintLayout::Result r = PrintLayout::layout(c.lines, PrintLayout::Page{10, c.rows, 4}, width);
        EXPECT_EQ(r.pieces, c.pieces) << c.name;
        EXPECT_EQ(r.pages, c.pages) << c.name;
    }
    // A page narrower than a character still ends, and never splits a surrogate pair.
    const auto narrow = PrintLayout::layout({QString::fromUtf8("ab\xF0\x9F\x98\x80")}, PrintLayout::Page{0.5, 10, 4},
                                            [](QStringView s) { return qreal(s.size()); });
    ASSERT_EQ(narrow.pieces.size(), 3u);
    EXPECT_EQ(narrow.pieces[2].text, QString::fromUtf8("\xF0\x9F\x98\x80"));
}

TEST(PrintLayout, PrintedPagesFollowTheRangesTheOrderAndTheCopies)
{
    struct Case { const char *name; int pages; PrintLayout::PageChoice choice; std::vector<int> printed; };
    const Case cases[] = {
        {"every page", 3, {}, {0, 1, 2}},
        {"a range cut at the end", 3, {.ranges = {{2, 9}}}, {1, 2}},
        {"two ranges", 5, {.ranges = {{1, 1}, {4, 5}}}, {0, 3, 4}},
        {"a range past the end", 3, {.ranges = {{4, 5}}}, {}},
        {"last page first", 3, {.lastPageFirst = true}, {2, 1, 0}},
        {"collated copies", 2, {.copies = 2}, {0, 1, 0, 1}},
        {"copies not collated", 2, {.copies = 2, .collate = false}, {0, 0, 1, 1}},
        {"all at once", 4, {.ranges = {{2, 3}}, .lastPageFirst = true, .copies = 2, .collate = false}, {2, 2, 1, 1}},
        {"no copies print one", 1, {.copies = 0}, {0}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(PrintLayout::printedPages(c.pages, c.choice), c.printed) << c.name;
}
