// The editing commands through their menu, pop-up and speed-bar items, and the line-delete key.
#include "EditorSteps.h"

#include <QClipboard>
#include <QTest>

class EditCommands : public EditorSteps
{
};

TEST_F(EditCommands, EveryItemChangesTheTextAsItsCommand)
{
    struct Case
    {
        const char *item;
        QString start;
        qsizetype from, to; // the selection before the command
        QString result;
    };
    const Case cases[] = {
        {"N14", "abc", 0, 1, "bc"},   {"N26", "abc", 0, 1, "bc"}, {"btnCut", "abc", 0, 1, "bc"},
        {"N17", "abc", 1, 3, "a"},    {"N29", "abc", 1, 3, "a"},
        {"N16", "abc", 3, 3, "abcP"}, {"N28", "abc", 1, 2, "aPc"}, {"btnPaste", "abc", 0, 0, "Pabc"},
    };
    for (const Case &c : cases) {
        QApplication::clipboard()->setText("P");
        setText(c.start);
        select(c.from, c.to);
        action(c.item)->trigger();
        EXPECT_EQ(text(), c.result) << c.item;
    }
    // Cut and copy put the selection on the clipboard.
    for (const char *item : {"N15", "N27", "btnCopy", "N14"}) {
        QApplication::clipboard()->clear();
        setText(u"ёжик"_qs);
        select(1, 3);
        action(item)->trigger();
        EXPECT_EQ(QApplication::clipboard()->text(), u"жи"_qs) << item;
    }
    for (const char *item : {"N18", "N31"}) {
        setText("a\r\nb");
        caretAt(1);
        action(item)->trigger();
        EXPECT_EQ(selected(), QString("a\r\nb")) << item;
    }
}

TEST_F(EditCommands, UndoAndRedoFromTheMenuAndTheSpeedBar)
{
    for (const auto &[undo, redo] : {std::pair{"N32", "N33"}, std::pair{"btnUndo", "btnRedo"}}) {
        setText("a");
        editor()->SendScintilla(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
        caretAt(1);
        type("b");
        action(undo)->trigger();
        EXPECT_EQ(text(), QString("a")) << undo;
        action(redo)->trigger();
        EXPECT_EQ(text(), QString("ab")) << redo;
    }
}

TEST_F(EditCommands, EditorKeys)
{
    setText("one\r\ntwo\r\nthree");
    editor()->SendScintilla(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
    caretAt(6);
    QTest::keyClick(editor(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(text(), QString("one\r\ntwo\r\nthree"));
    QTest::keyClick(editor(), Qt::Key_F8);
    EXPECT_EQ(text(), QString("one\r\nthree"));
    QTest::keyClick(editor(), Qt::Key_Backspace, Qt::AltModifier); // the editor's own undo key
    EXPECT_EQ(text(), QString("one\r\ntwo\r\nthree"));
}
