// Line commenting, the separator, layout and case repair, and the templates, in the editor.
#include "AppFixture.h"

#include <array>

class EditingCommands : public AppFixture
{
protected:
    using Sci = QsciScintillaBase;

    void SetUp() override
    {
        AppFixture::SetUp();
        start();
    }
    void setText(const QString &text) { editor()->setText(text); }
    // A column selection from (line, column) to (line, column).
    void selectColumns(int line1, int col1, int line2, int col2)
    {
        editor()->SendScintilla(Sci::SCI_SETRECTANGULARSELECTIONANCHOR, editor()->positionFromLineIndex(line1, col1));
        editor()->SendScintilla(Sci::SCI_SETRECTANGULARSELECTIONCARET, editor()->positionFromLineIndex(line2, col2));
    }
    // Runs the command, then checks that one undo gives back the text it started from.
    void runAndUndo(const char *command, const QString &expected)
    {
        const QString before = text();
        action(command)->trigger();
        EXPECT_EQ(text(), expected) << command << " on " << before.toStdString();
        editor()->undo();
        EXPECT_EQ(text(), before) << "one undo step";
    }
    std::pair<int, int> caret() const
    {
        int line = 0, index = 0;
        editor()->getCursorPosition(&line, &index);
        return {line, index};
    }
};

// Which lines a selection takes is the window's; the toggle of one line is the core tests'.
TEST_F(EditingCommands, CommentTogglesTakeWholeLines)
{
    struct Case
    {
        bool sqs;
        const char *text;
        std::array<int, 4> selection; // from line, column to line, column; equal ends: the caret
        const char *expected;
    };
    const Case cases[] = {
        {true, "hint x", {0, 2, 0, 2}, ";hint x"},
        {true, "a\r\n;b\r\nc\r\nd", {0, 1, 2, 1}, ";a\r\nb\r\n;c\r\nd"},
        {true, "a\r\nb\r\nc", {0, 1, 1, 0}, ";a\r\n;b\r\nc"},      // ends at the first column: that line too
        {false, "a\r\n\r\nb", {0, 0, 2, 1}, "//a\r\n\r\n//b\r\n"}, // the last line gains a break
        {true, "a\r\nb\r\n", {0, 0, 2, 0}, ";a\r\n;b\r\n"},        // a final break is not a line
        {true, "", {0, 0, 0, 0}, ""},
    };
    for (const Case &c : cases) {
        ProgramState::sqsCommentMode = c.sqs;
        setText(QString::fromUtf8(c.text));
        const auto [l1, c1, l2, c2] = c.selection;
        editor()->setSelection(l1, c1, l2, c2);
        if (l1 == l2 && c1 == c2)
            editor()->setCursorPosition(l1, c1);
        runAndUndo("N72", QString::fromUtf8(c.expected));
    }
    // A column selection by its lines.
    ProgramState::sqsCommentMode = false;
    setText("alpha\r\nbeta\r\ngamma");
    selectColumns(0, 1, 1, 3);
    runAndUndo("N72", "//alpha\r\n//beta\r\ngamma");
    // The caret stays on its column; twice gives back the line; the pop-up twin does the same.
    ProgramState::sqsCommentMode = true;
    setText("hint x");
    editor()->setCursorPosition(0, 3);
    action("N69")->trigger();
    EXPECT_EQ(caret(), std::make_pair(0, 3));
    action("N72")->trigger();
    EXPECT_EQ(text(), QString("hint x"));
}

TEST_F(EditingCommands, SeparatorReplacesTheSelectionOrGoesToTheCaret)
{
    ProgramState::sqsCommentMode = true;
    setText("ab");
    editor()->setCursorPosition(0, 1);
    runAndUndo("N68", "a; ***********************b");
    ProgramState::sqsCommentMode = false;
    editor()->setSelection(0, 0, 0, 2);
    runAndUndo("N68", "// ***********************");
}

TEST_F(EditingCommands, LayoutAndCaseRepairTheSelection)
{
    const std::tuple<const char *, const char *, const char *> cases[] = {
        {"eng1", "say Ghbdtn!", "say Привет!"}, {"Eng2", "say Руддщ!", "say Hello!"},
        {"btnrte", "say 'x'1!", "say 'ч'1!"},   {"a1", "say пРИВЕТ!", "say Привет!"},
        {"cAPSCaps1", "say ёЖИК!", "say ёжик!"}, {"btncps", "say hELLO!", "say Hello!"},
    };
    for (const auto &[command, from, to] : cases) {
        setText(QString::fromUtf8(from));
        const int end = int(QString::fromUtf8(from).size()) - 1;
        editor()->setSelection(0, 4, 0, end);
        runAndUndo(command, QString::fromUtf8(to));
    }
    // A column selection, whose pieces change their length in bytes.
    setText("ab\r\ncd\r\nef");
    selectColumns(0, 0, 2, 1);
    runAndUndo("eng1", "фb\r\nсd\r\nуf");
    EXPECT_TRUE(messages.empty());
}

TEST_F(EditingCommands, RepairWithoutASelectionBeepsAndSays)
{
    const std::pair<const char *, const char *> cases[] = {
        {"eng1", "Сначала выделите участок, набранный в неправильной раскладке."},
        {"a1", "Сначала выделите участок, набранный при неправильном положении Caps Lock"},
    };
    setText("Ghbdtn");
    editor()->setModified(false);
    editor()->setCursorPosition(0, 2);
    for (const auto &[command, message] : cases) {
        const int beeps = Dialogs::beepCount();
        messages.clear();
        action(command)->trigger();
        EXPECT_EQ(Dialogs::beepCount(), beeps + 1);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].kind, Dialogs::Kind::Plain);
        EXPECT_EQ(messages[0].text, QString(message));
        EXPECT_EQ(text(), QString("Ghbdtn"));
        EXPECT_EQ(caret(), std::make_pair(0, 2));
        EXPECT_FALSE(editor()->isModified());
    }
}

class Templates : public AppFixture
{
protected:
    QAction *item(const QString &caption) const
    {
        for (QAction *a : menu("N45")->actions())
            if (a->text() == caption)
                return a;
        ADD_FAILURE() << "no template item " << caption.toStdString();
        return nullptr;
    }
};

TEST_F(Templates, ListedByNameEachItemCarryingItsFile)
{
    QDir(path("templates")).removeRecursively();
    QDir(dir.path()).mkdir("templates");
    put("templates/b.sqs", "b");
    put("templates/a.sqs", "a");
    put("templates/_c.sqs", "c");
    put("templates/notes.txt", "n");
    put("templates/Tom & Jerry.sqs", "hint \"tj\"");
    start();
    QStringList captions;
    for (QAction *a : menu("N45")->actions())
        captions.append(a->text());
    EXPECT_EQ(captions, QStringList({"a.sqs", "b.sqs", "Tom && Jerry.sqs", "_c.sqs"}));
    editor()->setText("x");
    item("Tom && Jerry.sqs")->trigger();
    EXPECT_EQ(text(), QString("hint \"tj\"x"));
    EXPECT_TRUE(messages.empty());
    windows.reset();

    QDir(path("templates")).removeRecursively();
    QDir(dir.path()).mkdir("templates");
    start();
    EXPECT_FALSE(menu("N45")->menuAction()->isVisible());
}

TEST_F(Templates, DecodedAsADocumentAndInsertedAsOneStep)
{
    put("templates/utf8.sqs", "\xEF\xBB\xBFhint \"\xD0\x9F\xD1\x80\xD0\xB8\"\n");
    put("templates/ansi.sqs", "hint \"\xCF\xF0\xE8\"");
    start();
    editor()->setText("ab");
    editor()->setCursorPosition(0, 1);
    item("utf8.sqs")->trigger();
    EXPECT_EQ(text(), QString("ahint \"При\"\r\nb"));
    editor()->undo();
    EXPECT_EQ(text(), QString("ab"));
    editor()->setSelection(0, 0, 0, 2);
    item("ansi.sqs")->trigger();
    EXPECT_EQ(text(), QString("hint \"При\""));
}

TEST_F(Templates, AnUnreadableTemplateIsReportedAndChangesNothing)
{
    start();
    editor()->setText("keep");
    QFile::remove(path("templates/hello.sqs"));
    item("hello.sqs")->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains(path("templates/hello.sqs"))) << messages[0].text.toStdString();
    EXPECT_EQ(text(), QString("keep"));
}
