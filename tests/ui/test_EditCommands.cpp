// The editing commands through their menu, pop-up and speed-bar items, and the line-delete key.
#include "EditorSteps.h"

#include <QClipboard>
#include <QTest>

class EditCommands : public EditorSteps
{
};

TEST_F(EditCommands, EveryItemChangesTheTextAsItsCommand)
{
    // On "ёжик" with "жи" selected and "P" on the clipboard: the text and the clipboard after each item.
    const std::tuple<const char *, QString, QString> cases[] = {
        {"N14", u"ёк"_qs, u"жи"_qs},   {"N26", u"ёк"_qs, u"жи"_qs},   {"btnCut", u"ёк"_qs, u"жи"_qs},
        {"N15", u"ёжик"_qs, u"жи"_qs}, {"N27", u"ёжик"_qs, u"жи"_qs}, {"btnCopy", u"ёжик"_qs, u"жи"_qs},
        {"N17", u"ёк"_qs, "P"},        {"N29", u"ёк"_qs, "P"},
        {"N16", u"ёPк"_qs, "P"},       {"N28", u"ёPк"_qs, "P"},       {"btnPaste", u"ёPк"_qs, "P"},
    };
    for (const auto &[item, result, clipboard] : cases) {
        QApplication::clipboard()->setText("P");
        setText(u"ёжик"_qs);
        select(1, 3);
        action(item)->trigger();
        EXPECT_EQ(text(), result) << item;
        EXPECT_EQ(QApplication::clipboard()->text(), clipboard) << item;
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
    QTest::keyClick(editor(), Qt::Key_O, Qt::AltModifier); // a menu-style key no command takes
    EXPECT_EQ(text(), QString("one\r\ntwo\r\nthree"));
}
