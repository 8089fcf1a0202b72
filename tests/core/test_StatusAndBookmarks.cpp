// The viewed percentage, the clock's format, and the bookmark keys of any keyboard layout.
#include "../TestUtil.h"
#include "text/BookmarkCaptions.h"
#include "text/StatusTexts.h"

TEST(StatusTexts, PercentViewedDownToTheWindowsEnd)
{
    struct Case { qsizetype top, window, lines; int percent; };
    const Case cases[] = {
        {1, 30, 5, 100},    // shorter than the window
        {1, 30, 1000, 3},   // 31 / 10 = 3.1
        {1, 9, 400, 2},     // 10 / 4 = 2.5: half to even
        {1, 10, 400, 3},    // 11 / 4 = 2.75
        {1, 20, 600, 4},    // 21 / 6 = 3.5: to even, upward
        {971, 30, 1000, 100},
    };
    for (const Case &c : cases)
        EXPECT_EQ(StatusTexts::viewedPercent(c.top, c.window, c.lines), c.percent) << c.top << " " << c.window << " " << c.lines;
}

TEST(StatusTexts, ClockFormatWithoutTheTimeZone)
{
    EXPECT_EQ(StatusTexts::withoutTimeZone("HH:mm:ss t"), QString("HH:mm:ss"));
    EXPECT_EQ(StatusTexts::withoutTimeZone("h:mm:ss 'at' t AP"), QString("h:mm:ss 'at'  AP"));
}

// Shift+3 in either layout, a plain digit and the numeric keypad are the bookmark window test's.
TEST(BookmarkCaptions, DigitKeyInAnyLayout)
{
    struct Key { const char *name; int key; bool keypad; quint32 keysym, keycode; int digit; };
    const Key keys[] = {
        {"zero from its key code", Qt::Key_ParenRight, false, ')', 19, 0},
        {"digit keysym without a key code", Qt::Key_unknown, false, '7', 0, 7},
        {"a letter", Qt::Key_A, false, 'a', 38, -1},
        {"the key before 1", Qt::Key_QuoteLeft, false, '`', 49, -1},
    };
    for (const Key &c : keys)
        EXPECT_EQ(BookmarkCaptions::digitKey(c.key, c.keypad, c.keysym, c.keycode), c.digit) << c.name;
}
