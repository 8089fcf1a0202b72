// The bracket beside the caret, its partner and the double click's selection.
#include "../TestUtil.h"
#include "script/BracketMatch.h"

#include <gtest/gtest.h>

using namespace BracketMatch;

TEST(BracketMatch, ChoiceAndPartner)
{
    struct Case { const char *name; QByteArray text; qsizetype caret; qsizetype bracket; qsizetype partner; };
    const Case cases[] = {
        {"after the caret first", "a(b)", 1, 1, 3},
        {"back again", "a(b)", 3, 3, 1},
        {"before the caret at the end", "f(x)", 4, 3, 1},
        {"partner at the very start", "(abc)", 5, 4, 0},
        {"nesting of the same pair only", "((a)[)])", 0, 0, 5},
        {"other pairs do not count", "([)]", 0, 0, 2},
        {"across lines", "{\r\n x\r\n}", 0, 0, 7},
        {"backward across CR and LF lines", "[\r\n\n\r]", 5, 5, 0},
        {"string skipped", "(\")\")", 0, 0, 4},
        {"semicolon comment skipped", "(\r\n; )\r\n)", 0, 0, 8},
        {"line comment skipped", "( // )\r\n)", 0, 0, 8},
        {"block comment over lines skipped", "(/*\r\n)*/)", 0, 0, 8},
        {"backward over a block comment", "(/*\r\n(*/)", 9, 8, 0},
        {"bracket in a string still searches", "\"(\")", 1, 1, 3},
        {"angle brackets", "a<b<c>>", 1, 1, 6},
        {"no partner", "(ab", 0, 0, -1},
        {"no bracket", "ab", 1, -1, -1},
        {"caret beyond the text", "(", 5, -1, -1},
    };
    const SqsScanner scanner;
    for (const Case &c : cases) {
        EXPECT_EQ(chooseBracket(c.text, c.caret), c.bracket) << c.name;
        EXPECT_EQ(partner(ScriptText(c.text, scanner), c.bracket), c.partner) << c.name; // -1 without a bracket
    }
}

TEST(BracketMatch, PaintedBrackets)
{
    const QByteArray text = "(a) \"(\" <b> ;x\r\n; ( \r\n// ]";
    const SqsScanner scanner;
    const ScriptText script(text, scanner);
    struct Case { qsizetype pos; bool painted; };
    const Case cases[] = {{0, true}, {2, true}, {5, false}, {8, false}, {10, false}, {18, false}, {25, false}, {1, false}};
    for (const auto &[pos, painted] : cases)
        EXPECT_EQ(isPainted(script, pos), painted) << pos;
}

TEST(BracketMatch, RangesFromTheEditorAreUsed)
{
    // The editor says the second line starts inside a block comment.
    const QByteArray text = "x\r\n) (";
    const SqsScanner scanner;
    const ScriptText inComment(text, scanner, [](qsizetype lineStart) { return lineStart == 3 ? rsSdot : rsNone; });
    EXPECT_TRUE(inComment.inStringOrComment(3));
    const ScriptText plain(text, scanner);
    EXPECT_FALSE(plain.inStringOrComment(3));
}

TEST(BracketMatch, DoubleClickSelection)
{
    struct Case { const char *name; QByteArray text; qsizetype caret; std::optional<Selection> selection; };
    const Case cases[] = {
        {"before the opening bracket: the pair", "(abc)", 0, Selection{0, 5}},
        {"after the opening bracket: the inside", "(abc)", 1, Selection{1, 4}},
        {"before the closing bracket: the inside", "(abc)", 4, Selection{4, 1}},
        {"after the closing bracket at the text's start: the pair", "(abc)", 5, Selection{5, 0}},
        {"between two pairs: the one after the caret", "(a)(b)", 3, Selection{3, 6}},
        {"between nested openings: the inner pair", "((x))", 1, Selection{1, 4}},
        {"no partner", "(ab", 0, std::nullopt},
    };
    const SqsScanner scanner;
    for (const Case &c : cases) {
        const ScriptText script(c.text, scanner);
        const qsizetype bracket = chooseBracket(c.text, c.caret);
        EXPECT_EQ(selectionToPartner(c.caret, bracket, partner(script, bracket)), c.selection) << c.name;
    }
}

TEST(BracketMatch, RandomTextsNeitherCrashNorHang)
{
    std::mt19937 rng(3);
    const SqsScanner scanner;
    for (int round = 0; round < 3000; ++round) {
        const QByteArray text = randomBytes(rng, 30, "()[]{}<>\"/*;\r\n a\xD0");
        const ScriptText script(text, scanner);
        const qsizetype caret = qsizetype(rng() % (text.size() + 2));
        const qsizetype p = partner(script, chooseBracket(text, caret));
        ASSERT_TRUE(p < 0 || (p < text.size() && isBracket(text[p]))) << text.toHex().constData();
        isPainted(script, caret);
    }
}
