// The bookmarks menu: captions, setting, going, clearing, and the digit keys in any layout.
#include "EditorSteps.h"
#include "editor/Bookmarks.h"

class BookmarksMenu : public EditorSteps
{
protected:
    void SetUp() override
    {
        EditorSteps::SetUp();
        setText(numberedLines("line%1 hint x", 1, 14) + "\r\n");
    }
    void expectCaptions(int number, const QString &caption)
    {
        EXPECT_EQ(action(kSetBookmark[number])->text(), caption) << number;
        EXPECT_EQ(action(kGoToBookmark[number])->text(), caption) << number;
    }
    // A key as the X server delivers it: Qt's key, the keysym and the key code of the digit row.
    void pressKey(int qtKey, Qt::KeyboardModifiers mods, quint32 keysym, quint32 keycode)
    {
        QKeyEvent override(QEvent::ShortcutOverride, qtKey, mods, keycode, keysym, 0);
        QApplication::sendEvent(editor(), &override);
        QKeyEvent press(QEvent::KeyPress, qtKey, mods, keycode, keysym, 0);
        QApplication::sendEvent(editor(), &press);
    }
    // The lines (from 1) that show a bookmark in the margin.
    QList<int> markedLines() const
    {
        QList<int> lines;
        for (int line = 0; line < editor()->lines(); ++line)
            if (editor()->SendScintilla(QsciScintillaBase::SCI_MARKERGET, line) != 0)
                lines.append(line + 1);
        return lines;
    }
    int bookmarkLine(int number) const { return control<Bookmarks>(mainWindow(), "Bookmarks")->line(number) + 1; }
};

// A bookmark set again moves; a cleared one shows its digit alone.
TEST_F(BookmarksMenu, EachCaptionShowsTheLineAndTheWordWhereItsBookmarkWasSet)
{
    expectCaptions(0, QString("0      "));
    caretOn(12, 7); // inside "hint"
    action(kSetBookmark[3])->trigger();
    expectCaptions(3, QString("3 (12): hint"));
    caretOn(2, 5); // on a blank
    action(kSetBookmark[3])->trigger();
    expectCaptions(3, QString("3 (2): "));
    caretOn(5, 12); // at the line's end
    action(kSetBookmark[0])->trigger();
    expectCaptions(0, QString("0 (5): "));
    action(kClearBookmarks)->trigger();
    for (int n = 0; n <= 9; ++n)
        expectCaptions(n, QString::number(n) + "     ");
}

// A bookmark not set, or cleared, goes nowhere.
TEST_F(BookmarksMenu, GoingToABookmarkPutsTheCaretWhereItWasSet)
{
    caretOn(2, 5);
    action(kSetBookmark[3])->trigger();
    caretOn(1, 0);
    action(kGoToBookmark[3])->trigger();
    EXPECT_EQ(caretLine(), 2);
    EXPECT_EQ(caret() - chars(EditorBytes::lineStart(editor(), 1)), 5);
    action(kGoToBookmark[7])->trigger();
    EXPECT_EQ(caretLine(), 2);
    action(kClearBookmarks)->trigger();
    caretOn(9, 0);
    action(kGoToBookmark[3])->trigger();
    EXPECT_EQ(caretLine(), 9);
}

// Its caption keeps the moment of setting.
TEST_F(BookmarksMenu, ABookmarkIsMarkedInTheMarginOnItsLineWhereverItMoves)
{
    caretOn(4, 2);
    action(kSetBookmark[5])->trigger();
    const int marker = int(editor()->SendScintilla(QsciScintillaBase::SCI_MARKERGET, 3L));
    EXPECT_NE(marker, 0);
    EXPECT_GT(editor()->marginWidth(1), 0);
    EXPECT_EQ(editor()->SendScintilla(QsciScintillaBase::SCI_GETMARGINMASKN, 1L) & marker, marker);
    caretOn(1, 0);
    type("new line\r\n");
    action(kGoToBookmark[5])->trigger();
    EXPECT_EQ(caretLine(), 5);
    EXPECT_EQ(action(kGoToBookmark[5])->text(), QString("5 (4): line4"));
}

TEST_F(BookmarksMenu, UndoingALineDeletionPutsItsBookmarkBackOnIt)
{
    showActive(); // Ctrl+Z is the menu's shortcut
    caretOn(4, 2);
    action(kSetBookmark[3])->trigger();
    caretOn(5, 2);
    action(kSetBookmark[4])->trigger(); // the line after it keeps its own
    const int lines = editor()->lines();
    const std::pair<Qt::Key, int> deletions[] = {
        {Qt::Key_F8, 4},        // the line itself
        {Qt::Key_Backspace, 5}, // at the start of the next line, which joins it
    };
    for (const auto &[key, line] : deletions) {
        caretOn(line, 0);
        QTest::keyClick(editor(), key);
        ASSERT_EQ(editor()->lines(), lines - 1) << key;
        for (int round = 0; round < 2; ++round) { // again after a redo
            QTest::keyClick(editor(), Qt::Key_Z, Qt::ControlModifier);
            ASSERT_EQ(editor()->lines(), lines) << key;
            EXPECT_EQ(markedLines(), QList<int>({4, 5})) << key << " " << round;
            EXPECT_EQ(bookmarkLine(3), 4) << key << " " << round;
            EXPECT_EQ(bookmarkLine(4), 5) << key << " " << round;
            action(kRedo)->trigger();
            ASSERT_EQ(editor()->lines(), lines - 1) << key;
        }
        QTest::keyClick(editor(), Qt::Key_Z, Qt::ControlModifier);
    }
    EXPECT_EQ(text().count("line"), 14);
    EXPECT_EQ(action(kGoToBookmark[3])->text(), QString("3 (4): line4"));
}

TEST_F(BookmarksMenu, DigitKeysInTheLatinAndRussianLayouts)
{
    struct Case { const char *name; int key; Qt::KeyboardModifiers mods; quint32 keysym, keycode; bool set; int number; };
    const Case cases[] = {
        {"Ctrl+Shift+3, Latin: '#'", Qt::Key_NumberSign, Qt::ControlModifier | Qt::ShiftModifier, '#', 12, true, 3},
        {"Ctrl+Shift+3, Russian: '№'", 0x2116, Qt::ControlModifier | Qt::ShiftModifier, 0x6b0, 12, true, 3},
        {"Ctrl+3", Qt::Key_3, Qt::ControlModifier, '3', 12, false, 3},
    };
    for (const Case &c : cases) {
        action(kClearBookmarks)->trigger();
        if (!c.set) {
            caretOn(7, 1);
            action(kSetBookmark[c.number])->trigger();
        }
        caretOn(3, 0);
        pressKey(c.key, c.mods, c.keysym, c.keycode);
        if (c.set)
            expectCaptions(c.number, QStringLiteral("%1 (3): line3").arg(c.number));
        else
            EXPECT_EQ(caretLine(), 7) << c.name;
        EXPECT_EQ(text().count("line"), 14) << c.name; // no digit typed
    }
    // The numeric keypad and Alt combinations are no bookmark keys.
    action(kClearBookmarks)->trigger();
    caretOn(3, 0);
    pressKey(Qt::Key_3, Qt::ControlModifier | Qt::ShiftModifier | Qt::KeypadModifier, 0xffb3, 89);
    pressKey(Qt::Key_3, Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier, '3', 12);
    expectCaptions(3, QString("3     "));
    // Qt's own key path, without the X server's codes.
    caretOn(6, 0);
    QTest::keyClick(editor(), Qt::Key_1, Qt::ControlModifier | Qt::ShiftModifier);
    expectCaptions(1, QString("1 (6): line6"));
    caretOn(1, 0);
    QTest::keyClick(editor(), Qt::Key_1, Qt::ControlModifier);
    EXPECT_EQ(caretLine(), 6);
}
