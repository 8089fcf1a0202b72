// The script scanner: token boundaries and kinds, the range between lines, the keyword list, odd bytes.
#include "script/SqsScanner.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

using Tokens = std::vector<std::pair<std::string, TtkTokenKind>>;

struct Scan
{
    Tokens tokens; // without the closing tkNull
    TRangeState range;
};

Scan scan(const SqsScanner &scanner, const std::string &line, TRangeState in = rsNone)
{
    std::vector<SqsToken> raw;
    const TRangeState out = scanner.scanLine(QByteArrayView(line.data(), qsizetype(line.size())), in, raw);
    EXPECT_FALSE(raw.empty());
    EXPECT_EQ(raw.back().kind, tkNull);
    Scan s{{}, out};
    for (std::size_t i = 0; i + 1 < raw.size(); ++i)
        s.tokens.emplace_back(line.substr(std::size_t(raw[i].start), std::size_t(raw[i].length)), raw[i].kind);
    return s;
}

struct Case
{
    const char *line;
    TRangeState in;
    Tokens tokens;
    TRangeState out;
};

void expectCases(const SqsScanner &scanner, const std::vector<Case> &cases)
{
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string("line: ") + c.line + " from range " + std::to_string(int(c.in)));
        const Scan s = scan(scanner, c.line, c.in);
        EXPECT_EQ(s.tokens, c.tokens);
        EXPECT_EQ(s.range, c.out);
    }
}

} // namespace

TEST(SqsScanner, SemicolonIsACommentOnlyAsTheLinesFirstCharacter)
{
    expectCases(SqsScanner(), {
        {"; init", rsNone, {{"; init", tkComment}}, rsNone},
        {"  ;x", rsNone, {{"  ", tkSpace}, {";", tkUnknown}, {"x", tkIdentifier}}, rsNone},
        {"a;b", rsNone, {{"a", tkIdentifier}, {";", tkUnknown}, {"b", tkIdentifier}}, rsNone},
        {";x /* y", rsNone, {{";x /* y", tkComment}}, rsNone},
        // Inside a block comment the rule still looks at the line's first character.
        {";a */ ; b", rsSdot, {{";a */", tkSdot}, {" ", tkSpace}, {"; b", tkComment}}, rsNone},
    });
}

TEST(SqsScanner, BlockAndLineComments)
{
    expectCases(SqsScanner(), {
        {"/*/", rsNone, {{"/*/", tkSdot}}, rsNone},
        {"x /* open", rsNone, {{"x", tkIdentifier}, {" ", tkSpace}, {"/* open", tkSdot}}, rsSdot},
        {"still */ y", rsSdot, {{"still */", tkSdot}, {" ", tkSpace}, {"y", tkIdentifier}}, rsNone},
        {"no end", rsSdot, {{"no end", tkSdot}}, rsSdot},
        {"", rsSdot, {}, rsSdot},
        {"*/", rsSdot, {{"*/", tkSdot}}, rsNone},
        {"/**/a/* b */", rsNone, {{"/**/", tkSdot}, {"a", tkIdentifier}, {"/* b */", tkSdot}}, rsNone},
        {"*/", rsNone, {{"*", tkUnknown}, {"/", tkIdentifier}}, rsNone},
        {"c = d // tail", rsNone,
         {{"c", tkIdentifier}, {" ", tkSpace}, {"=", tkUnknown}, {" ", tkSpace}, {"d", tkIdentifier},
          {" ", tkSpace}, {"// tail", tkDSL}},
         rsNone},
        // Neither a "//" comment nor a string reaches into the next line.
        {"x", rsDSL, {{"x", tkIdentifier}}, rsNone},
        {"", rsString, {}, rsNone},
        {"a/b", rsNone, {{"a", tkIdentifier}, {"/", tkIdentifier}, {"b", tkIdentifier}}, rsNone},
        {"/", rsNone, {{"/", tkIdentifier}}, rsNone},
    });
}

TEST(SqsScanner, StringsHaveNoEscapes)
{
    expectCases(SqsScanner(), {
        // The line's end closes an open string: the next line starts with nothing open.
        {"\"abc", rsNone, {{"\"abc", tkString}}, rsNone},
        {"\"a\"\"b\"", rsNone, {{"\"a\"", tkString}, {"\"b\"", tkString}}, rsNone},
        {"\"a /* b\" c", rsNone, {{"\"a /* b\"", tkString}, {" ", tkSpace}, {"c", tkIdentifier}}, rsNone},
        {"\"\"", rsNone, {{"\"\"", tkString}}, rsNone},
    });
}

TEST(SqsScanner, Numbers)
{
    expectCases(SqsScanner(), {
        {"1.5", rsNone, {{"1.", tkNumber}, {"5", tkNumber}}, rsNone},
        {"1..5", rsNone, {{"1", tkNumber}, {".", tkUnknown}, {".", tkUnknown}, {"5", tkNumber}}, rsNone},
        {"0x1F", rsNone, {{"0", tkNumber}, {"x1F", tkIdentifier}}, rsNone},
        {"12abz", rsNone, {{"12ab", tkNumber}, {"z", tkIdentifier}}, rsNone},
        {"5.", rsNone, {{"5.", tkNumber}}, rsNone},
        {"3.e5", rsNone, {{"3.", tkNumber}, {"e5", tkIdentifier}}, rsNone},
        {"1e10", rsNone, {{"1e10", tkNumber}}, rsNone},
    });
}

TEST(SqsScanner, TimesLabelsAndVariables)
{
    expectCases(SqsScanner(), {
        {"~5.5", rsNone, {{"~5.5", tkTilda}}, rsNone},
        {"~1.2.3 ~", rsNone, {{"~1.2.3", tkTilda}, {" ", tkSpace}, {"~", tkIdentifier}}, rsNone},
        {"~a", rsNone, {{"~", tkIdentifier}, {"a", tkIdentifier}}, rsNone},
        {"#loop_1:", rsNone, {{"#loop_1", tkPreprocessor}, {":", tkUnknown}}, rsNone},
        {"#", rsNone, {{"#", tkPreprocessor}}, rsNone},
        {"_", rsNone, {{"_", tkUnderline}}, rsNone},
        {"_pos2+_b", rsNone, {{"_pos2", tkUnderline}, {"+", tkUnknown}, {"_b", tkUnderline}}, rsNone},
        {"a_b1", rsNone, {{"a_b1", tkIdentifier}}, rsNone},
    });
}

TEST(SqsScanner, BlanksAndControlCharacters)
{
    expectCases(SqsScanner(), {
        {"\t x", rsNone, {{"\t ", tkSpace}, {"x", tkIdentifier}}, rsNone},
        {"\x01\x7f", rsNone, {{"\x01", tkSpace}, {"\x7f", tkUnknown}}, rsNone},
        // A line handed over with its break: the blank run takes it, a bare break is one token.
        {"a \r\nb", rsNone, {{"a", tkIdentifier}, {" \r\n", tkSpace}, {"b", tkIdentifier}}, rsNone},
        {"a\r\nb", rsNone, {{"a", tkIdentifier}, {"\r\n", tkSpace}, {"b", tkIdentifier}}, rsNone},
        {"/* a\nb */", rsNone, {{"/* a", tkSdot}, {"\n", tkSpace}, {"b */", tkSdot}}, rsNone},
    });
}

TEST(SqsScanner, MultiByteCharactersAreSingleUnknownTokensThatEndWords)
{
    SqsScanner scanner;
    scanner.SetKeyWords(QStringLiteral("hint"));
    expectCases(scanner, {
        {"hintПр", rsNone, {{"hint", tkKey}, {"П", tkUnknown}, {"р", tkUnknown}}, rsNone},
        {"_т", rsNone, {{"_", tkUnderline}, {"т", tkUnknown}}, rsNone},
        {"x—€😀", rsNone, {{"x", tkIdentifier}, {"—", tkUnknown}, {"€", tkUnknown}, {"😀", tkUnknown}}, rsNone},
        {"\"ёлка\"", rsNone, {{"\"ёлка\"", tkString}}, rsNone},
        // Malformed and cut sequences go byte by byte.
        {"a\xD1", rsNone, {{"a", tkIdentifier}, {"\xD1", tkUnknown}}, rsNone},
        {"\xE2\x80", rsNone, {{"\xE2", tkUnknown}, {"\x80", tkUnknown}}, rsNone},
        {"\xC0\xAF", rsNone, {{"\xC0", tkUnknown}, {"\xAF", tkUnknown}}, rsNone},
        {"\xED\xA0\x80", rsNone, {{"\xED", tkUnknown}, {"\xA0", tkUnknown}, {"\x80", tkUnknown}}, rsNone},
    });
}

TEST(SqsScanner, EmbeddedNulEndsTheLine)
{
    const SqsScanner scanner;
    std::vector<SqsToken> tokens;
    const std::string line("ab\0cd", 5);
    EXPECT_EQ(scanner.scanLine(QByteArrayView(line.data(), 5), rsNone, tokens), rsNone);
    EXPECT_EQ(tokens, (std::vector<SqsToken>{{0, 2, tkIdentifier}, {2, 3, tkNull}}));

    const std::string comment("a\0*/", 4);
    EXPECT_EQ(scanner.scanLine(QByteArrayView(comment.data(), 4), rsSdot, tokens), rsSdot);
    EXPECT_EQ(tokens, (std::vector<SqsToken>{{0, 1, tkSdot}, {1, 3, tkNull}}));
}

TEST(SqsScanner, KeywordListIgnoresCaseAndIsReplacedWhole)
{
    SqsScanner scanner;
    EXPECT_TRUE(scanner.isKeyword("abs"));
    EXPECT_TRUE(scanner.isKeyword("ABS"));
    EXPECT_EQ(scan(scanner, "Abs absx").tokens,
              (Tokens{{"Abs", tkKey}, {" ", tkSpace}, {"absx", tkIdentifier}}));

    scanner.SetKeyWords(QStringLiteral("hint\r\naddWeapon\nexitWith\rgoto\r\n\r\nif \nthen"));
    EXPECT_FALSE(scanner.isKeyword("abs")) << "the built-in entry is replaced";
    for (const char *word : {"hint", "HINT", "addweapon", "ADDWEAPON", "AddWeapon", "exitwith", "goto", "then"})
        EXPECT_TRUE(scanner.isKeyword(word)) << word;
    for (const char *word : {"hin", "hints", "if", "addWeapo", "", "got o"})
        EXPECT_FALSE(scanner.isKeyword(word)) << word;

    scanner.SetKeyWords(QString());
    EXPECT_FALSE(scanner.isKeyword("hint"));
    EXPECT_EQ(scan(scanner, "hint").tokens, (Tokens{{"hint", tkIdentifier}}));
}

TEST(SqsScanner, LargeKeywordListFindsEveryEntryAndNothingElse)
{
    QString text;
    for (int i = 0; i < 3000; ++i)
        text += QStringLiteral("Cmd%1_x\n").arg(i);
    SqsScanner scanner;
    scanner.SetKeyWords(text);
    for (int i = 0; i < 3000; ++i) {
        const QByteArray word = QStringLiteral("cmd%1_X").arg(i).toLatin1();
        ASSERT_TRUE(scanner.isKeyword(word)) << word.constData();
        const QByteArray other = QStringLiteral("cmd%1_y").arg(i).toLatin1();
        ASSERT_FALSE(scanner.isKeyword(other)) << other.constData();
    }
}

namespace {

// Tokens cover the line exactly, in order; only the last is tkNull; the style buffer agrees.
void expectWellFormed(const SqsScanner &scanner, const std::string &line, TRangeState in)
{
    std::vector<SqsToken> tokens;
    const QByteArrayView view(line.data(), qsizetype(line.size()));
    const TRangeState out = scanner.scanLine(view, in, tokens);
    ASSERT_TRUE(out == rsNone || out == rsSdot) << int(out);
    ASSERT_FALSE(tokens.empty());
    qsizetype pos = 0;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const SqsToken &t = tokens[i];
        ASSERT_EQ(t.start, pos);
        const bool last = i + 1 == tokens.size();
        ASSERT_EQ(t.kind == tkNull, last);
        if (!last) {
            ASSERT_GT(t.length, 0);
        } else if (t.length > 0) {
            ASSERT_EQ(line[std::size_t(t.start)], '\0') << "only a NUL byte ends a line early";
        }
        ASSERT_NE(int(t.kind), 9);
        ASSERT_LE(int(t.kind), int(tkUnknown));
        pos += t.length;
    }
    ASSERT_EQ(pos, qsizetype(line.size()));

    std::string styles(line.size(), '\xff');
    ASSERT_EQ(scanner.styleLine(view, in, styles.data()), out);
    for (const SqsToken &t : tokens)
        for (qsizetype k = t.start; k < t.start + t.length; ++k)
            ASSERT_EQ(int(styles[std::size_t(k)]), int(t.kind));
}

} // namespace

TEST(SqsScanner, RandomBytesNeitherCrashNorHangAndAlwaysCoverTheLine)
{
    SqsScanner scanner;
    scanner.SetKeyWords(QStringLiteral("hint\nif\nthen"));
    std::mt19937 rng(20240611);
    // Mostly the characters the rules care about, so that every rule meets every other.
    static const char kAlphabet[] = "\"#/*;~_.0159aFxz \t\r\n\x01\x7f\xd0\xd1\x80\xbf\xe2\xf0\xff\0";
    const std::string alphabet(kAlphabet, sizeof kAlphabet - 1); // with the NUL
    for (int round = 0; round < 20000; ++round) {
        std::string line(rng() % 120, ' ');
        for (char &c : line)
            c = rng() % 4 == 0 ? char(rng() % 256) : alphabet[rng() % alphabet.size()];
        const auto in = TRangeState(rng() % 5 == 0 ? rng() % 256 : rng() % 4);
        expectWellFormed(scanner, line, in);
        if (HasFatalFailure()) {
            ADD_FAILURE() << "round " << round;
            return;
        }
    }
}

TEST(SqsScanner, TruncatedTextCutsCharactersIntoSingleBytes)
{
    const SqsScanner scanner;
    const std::string text = "hint \"Привет\"; _x = ~1.5 /* ёж */ // конец €😀";
    for (std::size_t cut = 0; cut <= text.size(); ++cut) {
        for (TRangeState in : {rsNone, rsSdot, rsString}) {
            expectWellFormed(scanner, text.substr(0, cut), in);
            if (HasFatalFailure()) {
                ADD_FAILURE() << "cut at " << cut;
                return;
            }
        }
    }
    // The euro sign cut after its second byte: two one-byte unknown tokens.
    const std::string cut = "a €";
    EXPECT_EQ(scan(scanner, cut.substr(0, cut.size() - 1)).tokens,
              (Tokens{{"a", tkIdentifier}, {" ", tkSpace}, {"\xE2", tkUnknown}, {"\x82", tkUnknown}}));
}

TEST(SqsScanner, OutOfRangeStateStartsWithNothingOpen)
{
    expectCases(SqsScanner(), {
        {"a */", TRangeState(7), {{"a", tkIdentifier}, {" ", tkSpace}, {"*", tkUnknown}, {"/", tkIdentifier}}, rsNone},
        {"", TRangeState(0x41), {}, rsNone},
    });
}
