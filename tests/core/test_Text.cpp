// Encodings, the editor's text form, whole-file reads and writes.
#include "../TestUtil.h"
#include "text/Cp1251.h"
#include "text/DocumentCodec.h"
#include "text/EditorText.h"
#include "text/FileText.h"
#include "text/Utf8.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Cp1251, EveryByteButNulSurvivesARoundTrip)
{
    QByteArray all;
    for (int b = 1; b < 256; ++b)
        all.append(char(b));
    const QString text = Cp1251::decode(all);
    ASSERT_EQ(text.size(), 255);
    EXPECT_EQ(Cp1251::encode(text), all);
    EXPECT_EQ(text[0x98 - 1], QChar(0x0098));
    EXPECT_EQ(text[0xC0 - 1], QChar(0x0410)); // А
    EXPECT_EQ(text[0xB8 - 1], QChar(0x0451)); // ё
    EXPECT_EQ(text[0xB9 - 1], QChar(0x2116)); // №
}

TEST(Utf8, StrictRules)
{
    for (const char *valid : {"plain", "\xD0\x9F\xD1\x80\xD0\xB8", "\xF0\x9F\x98\x80"})
        EXPECT_TRUE(Utf8::isValid(valid)) << valid;
    // overlong, surrogate, above U+10FFFF, truncated, Windows-1251
    for (const char *invalid : {"\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xD0", "\xCF\xF0\xE8\xE2\xE5\xF2"})
        EXPECT_FALSE(Utf8::isValid(invalid)) << invalid;
}

TEST(DocumentCodec, DecodingTable)
{
    const std::pair<QByteArray, QString> cases[] = {
        {"", ""},
        {"\xCF\xF0\xE8\xE2\xE5\xF2", u"Привет"_qs},
        {"a\nb\rc\r\n", "a\r\nb\r\nc\r\n"},
        {QByteArray("ab\0cd", 5), "ab"},
        {"\xEF\xBB\xBF\xD0\x9F\xD1\x80\xD0\xB8", u"При"_qs},
        {"\xEF\xBB\xBF\xCF\xF0\xE8", u"При"_qs}, // a mark before Windows-1251
        {"\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82", u"Привет"_qs},
        {"\xD0\xBF\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82", u"привет"_qs},
        {"\xF0\x9F\x98\x80", QString::fromUtf8("\xF0\x9F\x98\x80")},
        // Found by fuzzing: only the first mark is a mark; a second is a character of the text.
        {"\xEF\xBB\xBF\xEF\xBB\xBFx", u"\uFEFFx"_qs},
    };
    for (const auto &[bytes, text] : cases)
        EXPECT_EQ(DocumentCodec::decode(bytes), text) << bytes.toHex().constData();
}

TEST(EditorText, LineBreaksAndTheEnd)
{
    // The final break stays: it is the editor's empty last line.
    const std::pair<QString, QString> cases[] = {
        {u"a\r\n\r\nb\n"_qs, "a\r\n\r\nb\r\n"}, {"\n", "\r\n"},        {"\n\n", "\r\n\r\n"},
        {"a\rb\r", "a\r\nb\r\n"},             {"a\n\rb", "a\r\n\r\nb"}, {QString::fromLatin1("x\r\n\0y\n", 6), "x\r\n"},
        {"", ""},                                 {"plain", "plain"},
    };
    for (const auto &[in, out] : cases) {
        EXPECT_EQ(EditorText::normalize(in), out) << in.toStdString();
        EXPECT_EQ(EditorText::normalize(out), out) << "a second pass changes nothing";
    }
    EXPECT_EQ(EditorText::splitLines(u"x\r\ry").size(), 3);
    EXPECT_EQ(EditorText::splitLines(u"x\r\n").size(), 1); // no empty printed line for the final break
}

TEST(replaceAll, LeftToRightWithoutRescanning)
{
    EXPECT_EQ(replaceAll("aaa", "aa", "a"), QString("aa"));
    EXPECT_EQ(replaceAll("a\r\nb\r\n", "\r\n", "<br>\r\n"), QString("a<br>\r\nb<br>\r\n"));
    EXPECT_EQ(replaceAll("abc", "", "x"), QString("abc"));
    EXPECT_EQ(replaceAll("xx", "x", "xx"), QString("xxxx"));
}

TEST(FileText, ReadWriteAndFailures)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a.txt");
    saveTextToFile(QByteArray("old\0text", 8), path);
    EXPECT_EQ(loadFileToString(path), QByteArray("old\0text", 8));
    saveTextToFile(QByteArray(), path);
    EXPECT_TRUE(loadFileToString(path).isEmpty());
    EXPECT_TRUE(thrown([&] { loadFileToString(dir.filePath("missing")); }).startsWith("Cannot open file \""));
    EXPECT_TRUE(thrown([&] { saveTextToFile("x", dir.filePath("no/x.txt")); }).startsWith("Cannot create file \""));
}

TEST(FileText, AFailedWriteLeavesTheOldFileWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("keep.sqs");
    saveTextToFile("original", path);
    const QString error = [&] {
        FileSizeLimit limit(16);
        return thrown([&] { saveTextToFile(QByteArray(64, 'x'), path); });
    }();
    EXPECT_TRUE(error.startsWith("Cannot create file \"")) << qPrintable(error);
    EXPECT_EQ(loadFileToString(path), QByteArray("original"));
}
