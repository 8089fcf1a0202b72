// Line commenting, the separator, layout and case repair, and the templates, in the editor.
#include "EditorSteps.h"

#include <array>

class EditingCommands : public EditorSteps
{
protected:
    using Sci = QsciScintillaBase;
};

// Each command changes the lines or the text its selection takes, and one undo gives the text back.
// The toggle of one line and the two character tables are the core tests'.
TEST_F(EditingCommands, EachCommandChangesTheSelectionAsOneUndoStep)
{
    enum Shape { Caret, Stream, Columns };
    // The selection runs from a line and column to a line and column.
    struct Case { const char *command; bool sqs; const char *text; Shape shape; std::array<int, 4> selection;
                  const char *expected; };
    const Case cases[] = {
        {kToggleComment, true, "hint x", Caret, {0, 2, 0, 2}, ";hint x"},
        {kPopupToggleComment, true, ";hint x", Caret, {0, 2, 0, 2}, "hint x"},
        {kToggleComment, true, "a\r\n;b\r\nc\r\nd", Stream, {0, 1, 2, 1}, ";a\r\nb\r\n;c\r\nd"},
        {kToggleComment, true, "a\r\nb\r\nc", Stream, {0, 1, 1, 0}, ";a\r\n;b\r\nc"}, // ends at a line's start: that line too
        {kToggleComment, false, "a\r\n\r\nb", Stream, {0, 0, 2, 1}, "//a\r\n\r\n//b\r\n"}, // the last line gains a break
        {kToggleComment, true, "a\r\nb\r\n", Stream, {0, 0, 2, 0}, ";a\r\n;b\r\n"},   // a final break is not a line
        {kToggleComment, true, "", Caret, {0, 0, 0, 0}, ""},
        {kToggleComment, false, "alpha\r\nbeta\r\ngamma", Columns, {0, 1, 1, 3}, "//alpha\r\n//beta\r\ngamma"},
        {kSeparator, true, "ab", Caret, {0, 1, 0, 1}, "a; ***********************b"},
        {kSeparator, false, "ab", Stream, {0, 0, 0, 2}, "// ***********************"},
        {kFixLayout, true, "say Ghbdtn!", Stream, {0, 4, 0, 10}, "say Привет!"},
        {kFixCaps, true, "say пРИВЕТ!", Stream, {0, 4, 0, 10}, "say Привет!"},
        // The pieces of a column selection change their length in bytes.
        {kFixLayout, true, "ab\r\ncd\r\nef", Columns, {0, 0, 2, 1}, "фb\r\nсd\r\nуf"},
    };
    for (const Case &c : cases) {
        mainWindow()->setCommentStyle(c.sqs);
        const QString before = QString::fromUtf8(c.text);
        editor()->setText(before);
        const auto [l1, c1, l2, c2] = c.selection;
        if (c.shape == Columns) {
            editor()->SendScintilla(Sci::SCI_SETRECTANGULARSELECTIONANCHOR, editor()->positionFromLineIndex(l1, c1));
            editor()->SendScintilla(Sci::SCI_SETRECTANGULARSELECTIONCARET, editor()->positionFromLineIndex(l2, c2));
        } else if (c.shape == Stream) {
            editor()->setSelection(l1, c1, l2, c2);
        } else {
            editor()->setCursorPosition(l1, c1);
        }
        action(c.command)->trigger();
        EXPECT_EQ(text(), QString::fromUtf8(c.expected)) << c.command << " on " << c.text;
        editor()->undo();
        EXPECT_EQ(text(), before) << c.command << " on " << c.text << ": one undo step";
    }
    EXPECT_TRUE(messages.empty());
}

// A character outside the basic plane before the caret counts once, however QString counts it.
TEST_F(EditingCommands, TogglingTheCaretsLineKeepsTheCaretsColumn)
{
    editor()->setText("hint x");
    editor()->setCursorPosition(0, 3);
    action(kToggleComment)->trigger();
    EXPECT_EQ(caret(), 3);
    editor()->setText(QString::fromUtf8(";\xF0\x9F\x98\x80 x\r\nnext"));
    editor()->SendScintilla(Sci::SCI_GOTOPOS, editor()->SendScintilla(Sci::SCI_GETLINEENDPOSITION, 0L));
    action(kPopupToggleComment)->trigger();
    EXPECT_EQ(editor()->SendScintilla(Sci::SCI_GETCURRENTPOS), editor()->SendScintilla(Sci::SCI_GETLINEENDPOSITION, 0L));
}

TEST_F(EditingCommands, RepairWithoutASelectionBeepsAndSays)
{
    const std::pair<const char *, const char *> cases[] = {
        {kFixLayout, "Сначала выделите участок, набранный в неправильной раскладке."},
        {kFixCaps, "Сначала выделите участок, набранный при неправильном положении Caps Lock"},
    };
    editor()->setText("Ghbdtn");
    editor()->setModified(false);
    editor()->setCursorPosition(0, 2);
    int beepsSoFar = 0;
    for (const auto &[command, message] : cases) {
        action(command)->trigger();
        EXPECT_EQ(newBeeps(), ++beepsSoFar);
        EXPECT_EQ(onlyMessage(Dialogs::Kind::Plain), QString(message));
        EXPECT_EQ(text(), QString("Ghbdtn"));
        EXPECT_EQ(caret(), 2);
        EXPECT_FALSE(editor()->isModified());
    }
}

// The editor's own undo key, Alt+Backspace, takes the menu's path.
TEST_F(EditingCommands, F8DeletesTheCaretsLineAsOneUndoStep)
{
    mainWindow()->setEditorText("one\r\ntwo\r\nthree");
    editor()->SendScintilla(Sci::SCI_EMPTYUNDOBUFFER);
    editor()->setCursorPosition(1, 1);
    QTest::keyClick(editor(), Qt::Key_F8);
    EXPECT_EQ(text(), QString("one\r\nthree"));
    QTest::keyClick(editor(), Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_EQ(text(), QString("one\r\ntwo\r\nthree"));
}

TEST_F(EditingCommands, CtrlYAndAnAltKeyNoMenuTakesTypeNothing)
{
    mainWindow()->setEditorText("one");
    QTest::keyClick(editor(), Qt::Key_Y, Qt::ControlModifier);
    QTest::keyClick(editor(), Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(text(), QString("one"));
}

using Templates = AppFixture;

TEST_F(Templates, ATemplateIsInsertedDecodedAsADocumentInOneUndoStep)
{
    put("templates/utf8.sqs", "\xEF\xBB\xBFhint \"\xD0\x9F\xD1\x80\xD0\xB8\"\n");
    put("templates/ansi.sqs", "hint \"\xCF\xF0\xE8\"");
    start();
    editor()->setText("ab");
    editor()->setCursorPosition(0, 1);
    menuItem(kTemplatesMenu, "utf8.sqs")->trigger();
    EXPECT_EQ(text(), QString("ahint \"При\"\r\nb"));
    editor()->undo();
    EXPECT_EQ(text(), QString("ab"));
    editor()->setSelection(0, 0, 0, 2);
    menuItem(kTemplatesMenu, "ansi.sqs")->trigger();
    EXPECT_EQ(text(), QString("hint \"При\""));
}

TEST_F(Templates, ATemplateGoneSinceTheStartIsReportedAndChangesNothing)
{
    start();
    editor()->setText("keep");
    QFile::remove(path("templates/hello.sqs"));
    menuItem(kTemplatesMenu, "hello.sqs")->trigger();
    EXPECT_TRUE(onlyMessage(Dialogs::Kind::Error).contains(path("templates/hello.sqs")));
    EXPECT_EQ(text(), QString("keep"));
}

// Only .sqs files, each item carrying its file; no templates, no menu.
TEST_F(Templates, TemplatesAreListedByName)
{
    QDir(path("templates")).removeRecursively();
    for (const char *name : {"b.sqs", "a.sqs", "_c.sqs", "notes.txt"})
        put(QStringLiteral("templates/") + name, name);
    put("templates/Tom & Jerry.sqs", "hint \"tj\"");
    start();
    EXPECT_EQ(menuTexts(kTemplatesMenu), QStringList({"a.sqs", "b.sqs", "Tom && Jerry.sqs", "_c.sqs"}));
    editor()->setText("x");
    menuItem(kTemplatesMenu, "Tom && Jerry.sqs")->trigger();
    EXPECT_EQ(text(), QString("hint \"tj\"x"));
    EXPECT_TRUE(messages.empty());
    windows.reset();
    QDir(path("templates")).removeRecursively();
    QDir(dir.path()).mkdir("templates");
    start();
    EXPECT_FALSE(menu(kTemplatesMenu)->menuAction()->isVisible());
}
