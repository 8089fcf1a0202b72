// The script scanner: token boundaries, the range a line hands on, the keyword list, odd bytes.
#include "../TestUtil.h"
#include "script/SqsScanner.h"

#include <string>

namespace {

struct Case { std::string line; RangeState in; const char *expected; RangeState out; };

// Tokens as "[text]kind" with the letters of the lexer examples, without the closing tkNull.
void expectCases(const SqsScanner &scanner, const std::vector<Case> &cases)
{
    for (const Case &c : cases) {
        std::vector<SqsToken> raw;
        const QByteArrayView view(c.line.data(), qsizetype(c.line.size()));
        EXPECT_EQ(scanner.scanLine(view, c.in, raw), c.out) << c.line;
        std::string s;
        for (std::size_t i = 0; i + 1 < raw.size(); ++i)
            s += '[' + c.line.substr(std::size_t(raw[i].start), std::size_t(raw[i].length)) + ']'
                 + "CDBIK-N.S!PUT?"[raw[i].kind];
        EXPECT_EQ(s, c.expected) << "from range " << int(c.in);
    }
}

} // namespace

// Mostly what the styles of the example scripts cannot show: where tokens of one kind meet, and ranges.
TEST(SqsScanner, LineTokensWithTheRangeHandedOn)
{
    expectCases(SqsScanner(), {
        {";x /* y", rsNone, "[;x /* y]C", rsNone},
        // Inside a block comment the ';' rule still looks at the line's first character.
        {";a */ ; b", rsSdot, "[;a */]B[ ].[; b]C", rsNone},
        {"x /* open", rsNone, "[x]I[ ].[/* open]B", rsSdot},
        {"", rsSdot, "", rsSdot},
        {"/**/a/*/", rsNone, "[/**/]B[a]I[/*/]B", rsNone},
        {"*/", rsNone, "[*]?[/]I", rsNone},
        // The line's end closes strings and "//" comments; a line handed them starts with nothing open.
        {"c // d", rsNone, "[c]I[ ].[// d]D", rsNone},
        {"\"ab", rsNone, "[\"ab]S", rsNone},
        {"a */", rsDSL, "[a]I[ ].[*]?[/]I", rsNone},
        {"", RangeState(0x41), "", rsNone},
        {"\"a\"\"b\"", rsNone, "[\"a\"]S[\"b\"]S", rsNone},
        {"1.5 1..5", rsNone, "[1.]N[5]N[ ].[1]N[.]?[.]?[5]N", rsNone},
        {"\t \x01\x7f", rsNone, "[\t \x01].[\x7f]?", rsNone},
        // Handed a line with its break: blanks run through it, a bare break is one blank token.
        {"a \r\nb/* c\nd", rsNone, "[a]I[ \r\n].[b]I[/* c]B[\n].[d]B", rsSdot},
    });
    // Found by fuzzing: an empty line has nothing to style, and its buffer may be null.
    const SqsScanner scanner;
    EXPECT_EQ(scanner.styleLine(QByteArrayView(), rsNone, nullptr), rsNone);
    EXPECT_EQ(scanner.styleLine(QByteArrayView(), rsSdot, nullptr), rsSdot);
}

// Multi-byte characters are one unknown token each and end words.
TEST(SqsScanner, MultiByteCharactersAreUnknownTokens)
{
    SqsScanner withHint;
    withHint.setKeyWords(QStringLiteral("hint"));
    expectCases(withHint, {
        {"hintПр", rsNone, "[hint]K[П]?[р]?", rsNone},
        {"_т—€😀", rsNone, "[_]U[т]?[—]?[€]?[😀]?", rsNone},
        // Malformed, overlong, surrogate and cut sequences go byte by byte.
        {"\xD1 \xC0\xAF", rsNone, "[\xD1]?[ ].[\xC0]?[\xAF]?", rsNone},
        {"\xED\xA0\x80\xE2\x82", rsNone, "[\xED]?[\xA0]?[\x80]?[\xE2]?[\x82]?", rsNone},
        {"\xE0\x80\x80\xF4\x90\x80\x80", rsNone, "[\xE0]?[\x80]?[\x80]?[\xF4]?[\x90]?[\x80]?[\x80]?", rsNone},
    });
}

// The rest of the line is the closing tkNull.
TEST(SqsScanner, EmbeddedNulEndsTheLine)
{
    std::vector<SqsToken> raw;
    EXPECT_EQ(SqsScanner().scanLine(QByteArrayView("a\0*/", 4), rsSdot, raw), rsSdot);
    EXPECT_EQ(raw, (std::vector<SqsToken>{{0, 1, tkSdot}, {1, 3, tkNull}}));
}

// The keyword list is replaced whole, one word a line of any break, however long it is.
TEST(SqsScanner, KeywordsIgnoreCase)
{
    SqsScanner words;
    expectCases(words, {{"ABS Abs absx", rsNone, "[ABS]K[ ].[Abs]K[ ].[absx]I", rsNone}});
    words.setKeyWords(QStringLiteral("hint\r\naddWeapon\nexitWith\rgoto\r\n\r\nif \nthen"));
    for (const char *word : {"HINT", "addweapon", "AddWeapon", "exitwith", "goto", "then"})
        EXPECT_TRUE(words.isKeyword(word)) << word;
    for (const char *word : {"abs", "hin", "hints", "if", ""})
        EXPECT_FALSE(words.isKeyword(word)) << word;
    words.setKeyWords(numberedLines("Cmd%1", 0, 2999));
    for (int i = 0; i < 3000; ++i) {
        ASSERT_TRUE(words.isKeyword(QByteArray("cmd") + QByteArray::number(i))) << i;
        ASSERT_FALSE(words.isKeyword(QByteArray("cmd") + QByteArray::number(i + 3000))) << i;
    }
}

