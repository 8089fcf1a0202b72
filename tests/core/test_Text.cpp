// Encodings, the editor's text form, whole-file reads and writes.
#include "AppError.h"
#include "text/Cp1251.h"
#include "text/DocumentCodec.h"
#include "text/EditorText.h"
#include "text/FileText.h"
#include "text/Utf8.h"

#include <QFile>
#include <csignal>
#include <sys/resource.h>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Cp1251, EveryByteButNulSurvivesARoundTrip)
{
    QByteArray all;
    for (int b = 1; b < 256; ++b)
        all.append(char(b));
    const QString text = Cp1251::decode(all);
    ASSERT_EQ(text.size(), 255);
    EXPECT_EQ(text[0x98 - 1], QChar(0x0098));
    EXPECT_EQ(Cp1251::encode(text), all);
    EXPECT_EQ(text[0xC0 - 1], QChar(0x0410)); // А
    EXPECT_EQ(text[0xB8 - 1], QChar(0x0451)); // ё
    EXPECT_EQ(text[0xB9 - 1], QChar(0x2116)); // №
}

TEST(Cp1251, CharactersOutsideTheCodePageBecomeQuestionMarksAndAreListedOnce)
{
    QString replaced;
    const QByteArray bytes = Cp1251::encode(u"a\u4E2D\u00E9\u4E2Db", &replaced);
    EXPECT_EQ(bytes, QByteArray("a???b"));
    EXPECT_EQ(replaced, QString::fromUtf16(u"\u4E2D\u00E9"));
    EXPECT_FALSE(Cp1251::canEncode(u"\u00E9"));
    EXPECT_TRUE(Cp1251::canEncode(u"Привет №"));
}

TEST(Utf8, StrictRules)
{
    EXPECT_TRUE(Utf8::isValid("plain"));
    EXPECT_TRUE(Utf8::isValid("\xD0\x9F\xD1\x80\xD0\xB8")); // При
    EXPECT_TRUE(Utf8::isValid("\xF0\x9F\x98\x80"));         // four bytes
    EXPECT_FALSE(Utf8::isValid("\xC0\xAF"));                 // overlong
    EXPECT_FALSE(Utf8::isValid("\xED\xA0\x80"));             // surrogate
    EXPECT_FALSE(Utf8::isValid("\xF4\x90\x80\x80"));         // above U+10FFFF
    EXPECT_FALSE(Utf8::isValid("\xD0"));                     // truncated
    EXPECT_FALSE(Utf8::isValid("\xCF\xF0\xE8\xE2\xE5\xF2")); // Привет in Windows-1251
}

TEST(DocumentCodec, DecodingTable)
{
    struct Case
    {
        QByteArray bytes;
        QString text;
    };
    const Case cases[] = {
        {"", ""},
        {"\xCF\xF0\xE8\xE2\xE5\xF2", u"Привет"_qs},
        {"a\nb\rc\r\n", "a\r\nb\r\nc"},
        {"ab\0cd", "ab"},
        {QByteArray("\xEF\xBB\xBF\xD0\x9F\xD1\x80\xD0\xB8"), u"При"_qs},
        {QByteArray("\xEF\xBB\xBF\xCF\xF0\xE8"), u"При"_qs}, // a mark before Windows-1251
        {"\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82", u"Привет"_qs},
        {"\xD0\xBF\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82", u"привет"_qs},
        {"\xF0\x9F\x98\x80", QString::fromUtf8("\xF0\x9F\x98\x80")},
    };
    for (const Case &c : cases)
        EXPECT_EQ(DocumentCodec::decode(c.bytes), c.text) << c.bytes.toHex().constData();
    // A NUL inside the bytes must be passed through QByteArray with its size.
    EXPECT_EQ(DocumentCodec::decode(QByteArray("ab\0cd", 5)), QString("ab"));
}

TEST(EditorText, LineBreaksAndTheEnd)
{
    EXPECT_EQ(EditorText::normalize(u"a\r\n\r\nb\n"), QString("a\r\n\r\nb"));
    EXPECT_EQ(EditorText::normalize(u"\n"), QString(""));
    EXPECT_EQ(EditorText::normalize(u"\n\n"), QString("\r\n"));
    EXPECT_EQ(EditorText::splitLines(u"x\r\ry").size(), 3);
}

TEST(ReplaceAll, LeftToRightWithoutRescanning)
{
    EXPECT_EQ(ReplaceAll("aaa", "aa", "a"), QString("aa"));
    EXPECT_EQ(ReplaceAll("a\r\nb\r\n", "\r\n", "<br>\r\n"), QString("a<br>\r\nb<br>\r\n"));
    EXPECT_EQ(ReplaceAll("abc", "", "x"), QString("abc"));
    EXPECT_EQ(ReplaceAll("xx", "x", "xx"), QString("xxxx"));
}

TEST(FileText, ReadWriteAndFailures)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a.txt");
    SaveTextToFile(QByteArray("old\0text", 8), path);
    EXPECT_EQ(LoadFileToString(path), QByteArray("old\0text", 8));
    SaveTextToFile(QByteArray(), path);
    EXPECT_TRUE(LoadFileToString(path).isEmpty());

    try {
        LoadFileToString(dir.filePath("missing"));
        FAIL();
    } catch (const AppError &e) {
        EXPECT_TRUE(e.message().startsWith("Cannot open file \"")) << e.what();
    }
    try {
        SaveTextToFile("x", dir.filePath("no/such/folder/x.txt"));
        FAIL();
    } catch (const AppError &e) {
        EXPECT_TRUE(e.message().startsWith("Cannot create file \"")) << e.what();
    }
}

TEST(FileText, AFailedWriteLeavesTheOldFileWhole)
{
    // A file-size limit makes the write itself fail, for root as for anyone.
    QTemporaryDir dir;
    const QString path = dir.filePath("keep.sqs");
    SaveTextToFile("original", path);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 16;
    setrlimit(RLIMIT_FSIZE, &small);
    EXPECT_THROW(SaveTextToFile(QByteArray(64, 'x'), path), AppError);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(LoadFileToString(path), QByteArray("original"));
}
