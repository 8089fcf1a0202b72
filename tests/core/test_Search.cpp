// The search: offsets, Russian ranges, whole words, finding from the selection, Replace All.
#include "../TestUtil.h"
#include "search/SearchExpression.h"
#include "search/TextOffsets.h"
#include "search/TextSearch.h"

using namespace TextSearch;

const QByteArray kEmoji = "\xF0\x9F\x98\x80"; // one character of four bytes

// A cut sequence and Windows-1251 bytes count a character per byte; a line break is two.
TEST(TextOffsets, CharactersMeasuredInUtf8Bytes)
{
    const std::pair<QByteArray, qsizetype> cases[] = {
        {"", 0},
        {"abc", 3},
        {u"ёж"_qs.toUtf8(), 2},
        {"a" + kEmoji + "b", 3},
        {"\xD0", 1},
        {"\xCF\xF0\xE8", 3},
        {"\r\n", 2},
    };
    for (const auto &[text, chars] : cases) {
        EXPECT_EQ(TextOffsets::charCount(text), chars) << text.toHex().constData();
        EXPECT_EQ(TextOffsets::byteLength(text, chars), text.size()) << text.toHex().constData();
        EXPECT_EQ(TextOffsets::byteLength(text, chars + 5), text.size());
    }
    const QByteArray mixed = "a" + kEmoji + u"ж"_qs.toUtf8() + "\xFF";
    EXPECT_EQ(TextOffsets::byteLength(mixed, 2), 5);
    EXPECT_EQ(TextOffsets::nextChar(mixed, 1), 5);
    EXPECT_EQ(TextOffsets::previousChar(mixed, 5), 1);
    EXPECT_EQ(TextOffsets::previousChar(mixed, 7), 5);
    EXPECT_EQ(TextOffsets::previousChar(mixed, 8), 7); // the lone 0xFF
    EXPECT_EQ(TextOffsets::charAt(mixed, 5), char32_t(0x0436));
    EXPECT_EQ(TextOffsets::charAt(mixed, 7), char32_t(0xFFFD));
    // A QString counts the emoji as two units, the lone byte as one U+FFFD.
    EXPECT_EQ(TextOffsets::toQString(mixed), u"a\U0001F600\u0436\uFFFD"_qs);
    EXPECT_EQ(TextOffsets::utf16Length(mixed), 5);
    const std::pair<int, qsizetype> unitsToBytes[] = {
        {2, 5}, // inside the pair
        {3, 5},
        {4, 7},
        {5, 8},
        {9, 8},
    };
    for (const auto &[units, bytes] : unitsToBytes)
        EXPECT_EQ(TextOffsets::byteLengthOfUtf16(mixed, units), bytes) << units;
}

TEST(SearchExpression, RussianRangesWidenedOnlyWhereTheRangeIsRussian)
{
    const std::pair<QString, QString> ranges[] = {
        {u"[а-я]"_qs, u"[а-яё]"_qs},
        {u"[А-Я]+"_qs, u"[А-ЯЁ]+"_qs},
        {u"[а-Я]"_qs, u"[А-яЁё]"_qs},
        {u"[^0-9а-я_]"_qs, u"[^0-9а-яё_]"_qs},
        {u"а-я"_qs, u"а-я"_qs},                  // outside a class
        {u"\\[а-я]"_qs, u"\\[а-я]"_qs},          // an escaped bracket opens no class
        {u"[\\]а-я]"_qs, u"[\\]а-яё]"_qs},
        {u"[]а-я]"_qs, u"[]а-яё]"_qs},           // a leading ']' belongs to the class
        {u"[[:alpha:]а-я]"_qs, u"[[:alpha:]а-яё]"_qs},
        {u"\\Q[а-я]\\E"_qs, u"\\Q[а-я]\\E"_qs},  // quoted text
        {u"[б-я]"_qs, u"[б-я]"_qs},
        {u"[x-а-я]"_qs, u"[x-а-я]"_qs},          // "а" ends one range and starts none
        {u"[а-"_qs, u"[а-"_qs},
    };
    for (const auto &[pattern, widened] : ranges)
        EXPECT_EQ(withRussianRanges(pattern), widened) << pattern.toStdString();
}

// From a selection start in characters (-1: none) to the text found and, where it matters, its
// start in characters.
TEST(TextSearch, FindFromTheSelection)
{
    struct FindCase { const char *name; QString text, pattern; bool matchCase, wholeWord, forward;
                      qsizetype selectionStart; Result result; QString found; qsizetype foundAt = -1; };
    const QString emoji = QString::fromUtf8(kEmoji);
    const FindCase cases[] = {
        {"whole word after a same-length run", "ab(c", "\\(c", false, true, true, 0, Result::Found, "(c", 2},
        {"whole word after a blank", "a (c", "\\(c", false, true, true, 0, Result::NoMatches, ""},
        {"whole word inside a longer word", "abcd", "abc", false, true, true, 0, Result::NoMatches, ""},
        {"whole word at a word's end", "xabc", "abc", false, true, true, 0, Result::NoMatches, ""},
        {"whole word alone", "x abc y", "abc", false, true, true, 0, Result::Found, "abc", 2},
        {"a run measured in characters", u"я(c"_qs, "\\(c", false, true, true, 0, Result::NoMatches, ""},
        {"Cyrillic whole word", u"я (c ab(c"_qs, "\\(c", false, true, true, 0, Result::Found, "(c", 7},
        {"Ё is no identifier character", u"Ёa(c"_qs, "\\(c", false, true, true, 0, Result::NoMatches, ""},
        {"Cyrillic without case", u"ПРИВЕТ"_qs, u"привет"_qs, false, false, true, -1, Result::Found, u"ПРИВЕТ"_qs},
        {"Cyrillic with case", u"ПРИВЕТ"_qs, u"привет"_qs, true, false, true, -1, Result::NoMatches, ""},
        {"[а-Я] takes both cases", u"xЁжЯx"_qs, u"[а-Я]+"_qs, true, false, true, 0, Result::Found, u"ЁжЯ"_qs},
        {"$ not at an inner CR LF", "ab\r\ncd", "b$", false, false, true, -1, Result::NoMatches, ""},
        {"$ at the end", "ab\r\ncd", "d$", false, false, true, -1, Result::Found, "d"},
        {"$ before a final CR LF", "ab\r\ncd\r\n", "d$", false, false, true, -1, Result::Found, "d"},
        {"^ only at the text's start", "ab\r\ncd", "^c", false, false, true, -1, Result::NoMatches, ""},
        {". takes a line break", "a\r\nb", "a..b", false, false, true, -1, Result::Found, "a\r\nb"},
        {"greedy", "<a><b>", "<.+>", false, false, true, -1, Result::Found, "<a><b>"},
        {"invalid expression", "abc", "(ab", false, false, true, 0, Result::Failed, ""},
        {"empty expression", "abc", "", false, false, true, 0, Result::Failed, ""},
        {"backward from the start", "aXa", "a", true, false, false, 0, Result::NoneFurther, ""},
        {"after an emoji", emoji + u"ж"_qs + emoji + "ab", "ab", true, false, true, 0, Result::Found, "ab", 3},
    };
    for (const FindCase &c : cases) {
        const QByteArray text = c.text.toUtf8();
        // The selection start in the editor's measure: bytes.
        const qsizetype from = c.selectionStart < 0 ? -1 : TextOffsets::byteLength(text, c.selectionStart);
        const Outcome o = find(text, from, {c.pattern, c.matchCase, c.wholeWord, c.forward});
        EXPECT_EQ(o.result, c.result) << c.name;
        if (o.result != Result::Found)
            continue;
        EXPECT_EQ(QString::fromUtf8(text.mid(o.match.start, o.match.length)), c.found) << c.name;
        if (c.foundAt >= 0) {
            EXPECT_EQ(TextOffsets::charCount(text.left(o.match.start)), c.foundAt) << c.name;
        }
    }
}

TEST(TextSearch, QuickFindRefusesEmptyBrackets)
{
    EXPECT_TRUE(isRefusedQuickFind(u"a[]b"));
    EXPECT_FALSE(isRefusedQuickFind(u"[a]"));
}

// The Replace dialog's Find Next: the text taken literally.
TEST(TextSearch, PlainFindNext)
{
    struct Plain { const char *text; const char *needle; bool matchCase, wholeWord; qsizetype from, at; };
    const Plain plains[] = {
        {"ABC abc", "abc", true, false, 0, 4},
        {"ABC abc", "abc", false, false, 0, 0},
        {"abcd abc", "abc", false, true, 0, 5},
        {"(c x(c", "(c", false, true, 1, -1},  // touched by x
    };
    for (const Plain &c : plains) {
        const Outcome o = findPlain(c.text, c.from, {c.needle, c.matchCase, c.wholeWord, true});
        EXPECT_EQ(o.result == Result::Found ? o.match.start : -1, c.at) << c.text << " / " << c.needle;
    }
}

TEST(TextSearch, ReplaceAllInOnePassPositionsAfterItAndRandomPatternsThatNeitherCrashNorHang)
{
    struct Case { const char *name; QString text; QString pattern; bool wholeWord; qsizetype from; QString with; QString result; };
    const Case cases[] = {
        {"never rescanned", "aa", "a", false, 0, "aa", "aaaa"},
        {"longer and shorter", "x1y22z", "[0-9]+", false, 0, "#", "x#y#z"},
        {"whole words only", "abc abcd abc", "abc", true, 0, "X", "X abcd X"},
        {"Cyrillic and an emoji", QString::fromUtf8(kEmoji) + u"ёж ёж"_qs, u"ёж"_qs, false, 0, u"ЁЖ"_qs,
         QString::fromUtf8(kEmoji) + u"ЁЖ ЁЖ"_qs},
        {"empty matches step one character", u"аxб"_qs, "x*", false, 0, "-", u"-а--б-"_qs},
    };
    for (const Case &c : cases) {
        const QByteArray text = c.text.toUtf8();
        const Replacement r = replaceAll(text, c.from, {c.pattern, true, c.wholeWord, true}, c.with);
        EXPECT_EQ(r.result, Result::Found) << c.name;
        ASSERT_FALSE(r.matches.empty()) << c.name;
        const QByteArray out = text.left(r.matches.front().start) + r.replacedSpan(text)
            + text.mid(r.matches.back().end());
        EXPECT_EQ(QString::fromUtf8(out), c.result) << c.name;
    }
    EXPECT_EQ(replaceAll("aaaa", 0, {"(", true, false, true}, "b").result, Result::Failed);
    // "ab\r\nab\r\nab" with "ab" -> "xyz": line starts 0, 4, 8 become 0, 5, 10.
    const QByteArray text = "ab\r\nab\r\nab";
    const Replacement r = replaceAll(text, 0, {"ab", true, false, true}, "xyz");
    for (const auto &[before, after] : {std::pair{0, 0}, {1, 0}, {2, 3}, {4, 5}, {8, 10}, {10, 13}})
        EXPECT_EQ(r.newPosition(before), after) << before;
    // Any pattern over any text: the pattern rewrite, PCRE2 and the offsets never crash or hang.
    std::mt19937 rng(7);
    const char alphabet[] = "ab()[]*+?.\\^$|{}-\r\n\xD0\xB0\xD1\x8F\xF0\x9F";
    for (int round = 0; round < 2000; ++round) {
        const QByteArray pattern = randomBytes(rng, 8, alphabet), bytes = randomBytes(rng, 40, alphabet);
        const Request request{QString::fromUtf8(pattern), bool(rng() % 2), bool(rng() % 2), bool(rng() % 2)};
        const Outcome o = find(bytes, qsizetype(rng() % 41), request);
        ASSERT_TRUE(o.result != Result::Found || o.match.end() <= bytes.size());
        replaceAll(bytes, 0, request, "z");
        findPlain(bytes, 0, request);
    }
}

