// The bracket beside the caret, its partner and the double click's selection.
#include "../TestUtil.h"
#include "script/BracketMatch.h"

#include <algorithm>

using namespace BracketMatch;

TEST(BracketMatch, ChoicePartnerPaintedBracketsAndTheDoubleClicksSelection)
{
    struct Case { const char *name; QByteArray text; qsizetype caret; qsizetype bracket; qsizetype partner; };
    const Case cases[] = {
        {"after the caret first", "a(b)", 1, 1, 3},
        {"back again", "a(b)", 3, 3, 1},
        {"before the caret at the end", "f(x)", 4, 3, 1},
        {"nesting of the same pair only", "((a)[)])", 0, 0, 5},
        {"across lines", "{\r\n x\r\n}", 0, 0, 7},
        {"backward across CR and LF lines", "[\r\n\n\r]", 5, 5, 0},
        {"string skipped", "(\")\")", 0, 0, 4},
        {"line comment skipped", "( // )\r\n)", 0, 0, 8},
        {"block comment over lines skipped", "(/*\r\n)*/)", 0, 0, 8},
        {"backward over a block comment", "(/*\r\n(*/)", 9, 8, 0},
        {"bracket in a string still searches", "\"(\")", 1, 1, 3},
        {"angle brackets", "a<b<c>>", 1, 1, 6},
        {"no bracket", "ab", 1, -1, -1},
        {"caret beyond the text", "(", 5, -1, -1},
    };
    const SqsScanner scanner;
    for (const Case &c : cases) {
        EXPECT_EQ(chooseBracket(c.text, c.caret), c.bracket) << c.name;
        EXPECT_EQ(partner(ScriptText(c.text, scanner), c.bracket), c.partner) << c.name; // -1 without a bracket
    }
    // Painted are brackets outside strings and comments.
    const ScriptText script("(a) \"(\" <b> ;x\r\n; ( \r\n// ]", scanner);
    for (const auto &[pos, painted] : {std::pair{0, true}, {2, true}, {5, false}, {8, false}, {10, false}, {18, false},
                                       {25, false}, {1, false}})
        EXPECT_EQ(isPainted(script, pos), painted) << pos;
    struct Click { const char *name; QByteArray text; qsizetype caret; std::optional<Selection> selection; };
    const Click clicks[] = {
        {"after the opening bracket: the inside", "(abc)", 1, Selection{1, 4}},
        {"before the closing bracket: the inside", "(abc)", 4, Selection{4, 1}},
        {"between two pairs: the one after the caret", "(a)(b)", 3, Selection{3, 6}},
    };
    for (const Click &c : clicks) {
        const qsizetype chosen = chooseBracket(c.text, c.caret);
        EXPECT_EQ(selectionToPartner(c.caret, chosen, partner(ScriptText(c.text, scanner), chosen)), c.selection) << c.name;
    }
}

namespace {

// What is open at each line start, from one scan of the whole text.
std::vector<std::pair<qsizetype, RangeState>> rangesFromTop(const QByteArray &text, const SqsScanner &scanner)
{
    std::vector<std::pair<qsizetype, RangeState>> ranges{{0, rsNone}};
    RangeState range = rsNone;
    for (qsizetype i = 0, start = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        range = scanner.rangeAfter(QByteArrayView(text).sliced(start, i - start), range);
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
        ranges.emplace_back(start, range);
    }
    return ranges;
}

// Kept ranges, asked in a shuffled order, against a scan from the top.
void expectKeptRangesRight(LineRanges &kept, const QByteArray &text, std::mt19937 &rng, const char *name)
{
    const SqsScanner scanner;
    auto expected = rangesFromTop(text, scanner);
    std::shuffle(expected.begin(), expected.end(), rng);
    for (const auto &[start, range] : expected)
        ASSERT_EQ(int(kept.at(text, scanner, start)), int(range)) << name << " at " << start << ": " << text.toHex(' ').constData();
}

} // namespace

// Ranges kept from one search to the next and told of each edit answer as a scan from the top does,
// also when an edit opens or closes a block comment or a string above the lines asked about.
TEST(BracketMatch, KeptRangesFollowEdits)
{
    struct Edit { const char *name; qsizetype at; qsizetype removed; QByteArray inserted; };
    const Edit edits[] = {
        {"a block comment opened on the first line", 2, 0, "/*"},
        {"and closed on the third", 16, 0, "*/"},
        {"the closing removed", 16, 2, ""},
        {"a string opened before the opening", 1, 0, "\""},
        {"the string closed just before it", 3, 0, "\""},
        {"its first quote removed: the second opens one", 1, 1, ""},
        {"that quote removed", 2, 1, ""},
        {"a CR LF split into two breaks", 7, 0, "x"},
        {"and joined again", 7, 1, ""},
        {"a semicolon line hides the opening", 0, 0, ";"},
        {"the first line removed", 0, 9, ""},
    };
    QByteArray text = "a( b\r\n c )\r\n d [\r\n e\r\n]";
    std::mt19937 rng(5);
    LineRanges kept;
    expectKeptRangesRight(kept, text, rng, "before any edit");
    for (const Edit &e : edits) {
        text.replace(e.at, e.removed, e.inserted);
        kept.changedFrom(e.at);
        expectKeptRangesRight(kept, text, rng, e.name);
    }
    // Random texts and edits: the partner found with kept ranges is the one found without, and is a
    // bracket; nothing crashes or hangs, a caret past the text included.
    const SqsScanner scanner;
    const QByteArrayView alphabet = "()[]{}<>\"/*;\r\n a\xD0";
    for (int round = 0; round < 400; ++round) {
        text = randomBytes(rng, 60, alphabet);
        kept.clear();
        for (int edit = 0; edit < 8; ++edit) {
            const qsizetype at = qsizetype(rng() % (text.size() + 1));
            text.replace(at, qsizetype(rng() % 4), randomBytes(rng, 4, alphabet));
            kept.changedFrom(at);
            expectKeptRangesRight(kept, text, rng, "random");
            const qsizetype caret = qsizetype(rng() % (text.size() + 2)), bracket = chooseBracket(text, caret);
            const qsizetype p = partner(ScriptText(text, scanner), bracket);
            ASSERT_EQ(partner(ScriptText(text, scanner, &kept), bracket), p);
            ASSERT_TRUE(p < 0 || (p < text.size() && isBracket(text[p]))) << text.toHex().constData();
            isPainted(ScriptText(text, scanner), caret);
        }
    }
}

