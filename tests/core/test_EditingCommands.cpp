// Line commenting in both styles, and the layout and case repair tables.
#include "../TestUtil.h"
#include "script/LineComments.h"
#include "text/KeyboardRepair.h"

// A toggled line, toggled again, is the line it was; toggled lines each end with CR LF.
TEST(LineComments, ToggleInEachStyle)
{
    const std::tuple<bool, const char16_t *, const char16_t *> cases[] = {
        {true, u";;x", u";x"},
        {true, u"", u""},
        {true, u"  ; x", u";  ; x"}, // only the first column counts
        {true, u"// x", u";// x"},
        {false, u"a = 1;", u"//a = 1;"},
        {false, u"//a = 1; // set", u"a = 1; // set"},
        {false, u"  // a = 1; // set", u"   a = 1; // set"}, // the blanks on both sides stay
        {false, u"\t//x", u"\tx"},
        {false, u"a = 1; // set", u"//a = 1; // set"}, // a trailing comment is not the line's
        {false, u"hint \"http://x\"", u"//hint \"http://x\""}, // nor slashes inside a string
        {false, u"/x", u"///x"},
        {false, u"   ", u"//   "},
        {false, u"", u""},
        {false, u"; x", u"//; x"},
    };
    for (const auto &[sqs, line, toggled] : cases)
        EXPECT_EQ(LineComments::toggle(line, sqs), QString::fromUtf16(toggled))
            << QString::fromUtf16(line).toStdString() << (sqs ? " (SQS)" : " (C)");
    for (const bool sqs : {true, false})
        for (const char16_t *line : {u"hint x", u"  x = [1, 2]", u"\"a//b\""})
            EXPECT_EQ(LineComments::toggle(LineComments::toggle(line, sqs), sqs), QString::fromUtf16(line));
    EXPECT_EQ(LineComments::toggleLines({"a", ";b", "", "c"}, true), QString(";a\r\nb\r\n\r\n;c\r\n"));
    EXPECT_EQ(LineComments::toggleLines({"a", "//b", "c"}, false), QString("//a\r\nb\r\n//c\r\n"));
}

TEST(KeyboardRepair, LayoutSwitchedToTheOtherAlphabet)
{
    const std::pair<const char16_t *, const char16_t *> layouts[] = {
        {u"Руддщ", u"Hello"},
        {u"ЖЭБЮжэбю", u":\"<>;\",."}, // the Russian keys of the US punctuation
        {u"\",./:;<>?[]{}", u"э?ю.ЖжБЮ,хъХЪ"},
        {u"0123456789 '!#$%&@^`~|\\-=+_()*", u"0123456789 '!#$%&@^`~|\\-=+_()*"},
        {u"Ёё№", u"Ёё№"},
        {u"a\r\nb\tc", u"ф\r\nи\tс"},
        {u"x\U0001F600yé€", u"ч\U0001F600нé€"}, // outside the tables: as they are
    };
    for (const auto &[from, to] : layouts)
        EXPECT_EQ(KeyboardRepair::switchLayout(from), QString::fromUtf16(to)) << QString::fromUtf16(from).toStdString();
    // Twice gives back the letters, not every punctuation mark: "/" -> "." -> "ю".
    EXPECT_EQ(KeyboardRepair::switchLayout(KeyboardRepair::switchLayout(u"Hello, мир/")), QString("Hello, мирю"));
}

TEST(KeyboardRepair, CaseSwappedButForYo)
{
    const std::pair<const char16_t *, const char16_t *> caseSwitches[] = {
        {u"ёЖИК", u"ёжик"},
        {u"Ёлка", u"ЁЛКА"},
        {u"hELLO wORLD 42!", u"Hello World 42!"},
        {u"\U0001F600ß№", u"\U0001F600ß№"},
    };
    for (const auto &[from, to] : caseSwitches)
        EXPECT_EQ(KeyboardRepair::switchCase(from), QString::fromUtf16(to)) << QString::fromUtf16(from).toStdString();
}

