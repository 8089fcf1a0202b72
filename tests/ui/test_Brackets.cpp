// Bracket matching in the editor: painting, Alt+G and the double click.
#include "EditorSteps.h"

#include "editor/BracketMatcher.h"
#include "editor/QtColor.h"

#include <QMouseEvent>

class Brackets : public EditorSteps
{
protected:
    void SetUp() override
    {
        EditorSteps::SetUp();
        mainWindow()->resize(800, 600);
        mainWindow()->show();
    }
    void TearDown() override
    {
        ProgramState::bracketFgColor = Colors::clRed;
        ProgramState::bracketBgColor = Colors::clNone;
        EditorSteps::TearDown();
    }
    BracketMatcher *matcher() const { return editor()->findChild<BracketMatcher *>(); }
    // Paints the editor, which brings the bracket marks up to date.
    void paint() const
    {
        QApplication::processEvents();
        editor()->viewport()->repaint();
        QApplication::processEvents();
    }
    // The characters that carry a bracket mark.
    std::vector<qsizetype> painted() const
    {
        std::vector<qsizetype> at;
        for (qsizetype i = 0; i < editor()->length(); ++i)
            if (editor()->SendScintilla(QsciScintillaBase::SCI_INDICATORALLONFOR, (unsigned long)i) != 0)
                at.push_back(chars(i));
        return at;
    }
    void doubleClick() const
    {
        const QPoint at(10, 10);
        QMouseEvent event(QEvent::MouseButtonDblClick, at, editor()->viewport()->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(editor()->viewport(), &event);
    }
};

TEST_F(Brackets, PaintedPairs)
{
    struct Case { const char *name; QString text; qsizetype caret; std::vector<qsizetype> painted; };
    const Case cases[] = {
        {"before the opening bracket", "a(b)", 1, {1, 3}},
        {"after a Cyrillic word", u"ж(б)"_qs, 1, {1, 3}},
        {"no partner: the bracket alone", "(ab", 0, {0}},
        {"inside a string", "\"(a)\"", 1, {}}, // which brackets are painted is the core tests'
    };
    for (const Case &c : cases) {
        setText(c.text);
        caretAt(c.caret);
        paint();
        EXPECT_EQ(painted(), c.painted) << c.name;
    }
    setText("a(b)");
    select(0, 2); // a selection switches the marks off
    paint();
    EXPECT_TRUE(painted().empty());
}

TEST_F(Brackets, ColoursAreReadWhenPainting)
{
    setText("(a)");
    caretAt(0);
    paint();
    EXPECT_EQ(matcher()->paintColor(), QColor(Qt::red));
    ProgramState::bracketFgColor = Colors::clBlue;
    ProgramState::bracketBgColor = Colors::clYellow;
    paint();
    EXPECT_EQ(matcher()->paintColor(), QColor(Qt::blue));
    EXPECT_EQ(matcher()->paintBackground(), QColor(Qt::yellow));
}

TEST_F(Brackets, JumpToThePartnerAndBack)
{
    struct Case { const char *name; QString text; qsizetype from; qsizetype to; };
    const Case cases[] = {
        {"forward", "a(b)", 1, 3},
        {"to the start of the text", "(abc)", 5, 0},
        {"over lines and a comment", "[\r\n; ]\r\n]", 0, 8},
        {"no partner", "a(b", 1, 1},
    };
    for (const Case &c : cases) {
        setText(c.text);
        caretAt(c.from);
        action("N89")->trigger();
        EXPECT_EQ(caret(), c.to) << c.name;
    }
    setText("a(b)");
    select(1, 2);
    action("N89")->trigger();
    EXPECT_EQ(selected(), QString("("));
    EXPECT_EQ(action("N89")->shortcut(), QKeySequence("Alt+G"));
}

TEST_F(Brackets, DoubleClickSelectsToThePartner)
{
    struct Case { const char *name; QString text; qsizetype caret; QString selection; qsizetype caretAfter; };
    const Case cases[] = {
        {"outside, before", "(abc)", 0, "(abc)", 5},
        {"outside, after, back to the text's start", "(abc)", 5, "(abc)", 0},
        {"no partner", "(ab", 0, "", 0},
    };
    for (const Case &c : cases) {
        setText(c.text);
        caretAt(c.caret);
        doubleClick();
        EXPECT_EQ(selected(), c.selection) << c.name;
        EXPECT_EQ(caret(), c.caretAfter) << c.name;
    }
}
