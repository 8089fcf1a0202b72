// Bracket matching in the editor: painting, Alt+G and the double click.
#include "EditorSteps.h"

#include "editor/BracketMatcher.h"

class Brackets : public EditorSteps
{
protected:
    void SetUp() override
    {
        EditorSteps::SetUp();
        mainWindow()->resize(800, 600);
        mainWindow()->show();
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
    // A double click as the mouse makes it (press, release, press, double click, release) on the
    // right half of the character before `charOffset`, or the left half of the one after it at a
    // line's start: the editor puts the caret at `charOffset` and then selects.
    void doubleClickAt(qsizetype charOffset) const
    {
        using Sci = QsciScintillaBase;
        const unsigned long pos = (unsigned long)bytes(charOffset);
        const long line = long(EditorBytes::lineOf(editor(), qsizetype(pos)));
        const bool lineStart = EditorBytes::lineStart(editor(), line) == qsizetype(pos);
        const QPoint at(int(editor()->SendScintilla(Sci::SCI_POINTXFROMPOSITION, 0UL, long(pos))) + (lineStart ? 2 : -2),
                        int(editor()->SendScintilla(Sci::SCI_POINTYFROMPOSITION, 0UL, long(pos))
                            + editor()->SendScintilla(Sci::SCI_TEXTHEIGHT, line) / 2));
        QWidget *viewport = editor()->viewport();
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonPress,
                                  QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
            const bool down = type != QEvent::MouseButtonRelease;
            QMouseEvent event(type, at, viewport->mapToGlobal(at), Qt::LeftButton, down ? Qt::LeftButton : Qt::NoButton,
                              Qt::NoModifier);
            QApplication::sendEvent(viewport, &event);
        }
    }
};

// From one caret: the painted marks, where Alt+G goes and what a double click that leaves the caret
// there selects. Which bracket is chosen and where its partner lies are the core tests'; here the
// editor's bytes and characters, its comment ranges and a partner at the very start of the text.
struct BracketCase
{
    const char *name;
    QString text;
    qsizetype caret;
    std::vector<qsizetype> painted;
    qsizetype jump;    // the caret after Alt+G
    QString selection; // after the double click
    qsizetype caretAfter;
};
const BracketCase kBracketCases[] = {
    {"before the opening bracket", "a (b)", 2, {2, 4}, 4, "(b)", 5},
    {"after a word and before a bracket: the editor's word comes first", "foo(bar)", 3, {3, 7}, 7, "foo", 3},
    {"between two brackets: the editor's run of them gives way", "((b))", 1, {1, 3}, 3, "(b)", 4},
    {"after a Cyrillic word", u"ж (б)"_qs, 2, {2, 4}, 4, u"(б)"_qs, 5},
    {"after the closing bracket, back to the start", "(abc)", 5, {0, 4}, 0, "(abc)", 0},
    {"over lines and a comment", "[\r\n; ]\r\n]", 0, {0, 8}, 8, "[\r\n; ]\r\n]", 9},
    {"inside a string: not painted, and strings are skipped", "\"(a)\"", 1, {}, 1, "", 1},
    {"no partner", "a (b", 2, {2}, 2, "", 2},
};

TEST_F(Brackets, TheBracketAtTheCaretAndItsPartnerArePainted)
{
    for (const BracketCase &c : kBracketCases) {
        setTextAndCaret(c.text, c.caret);
        paint();
        EXPECT_EQ(painted(), c.painted) << c.name;
    }
}

TEST_F(Brackets, AltGJumpsToThePartner)
{
    for (const BracketCase &c : kBracketCases) {
        setTextAndCaret(c.text, c.caret);
        action(kJumpToBracket)->trigger();
        EXPECT_EQ(caret(), c.jump) << c.name;
    }
}

TEST_F(Brackets, ADoubleClickBesideABracketSelectsToItsPartner)
{
    for (const BracketCase &c : kBracketCases) {
        setTextAndCaret(c.text, c.caret);
        doubleClickAt(c.caret);
        EXPECT_EQ(selected(), c.selection) << c.name;
        EXPECT_EQ(caret(), c.caretAfter) << c.name;
    }
}

TEST_F(Brackets, ASelectionSwitchesTheMarksAndAltGOff)
{
    setText("a(b)");
    select(1, 2);
    paint();
    EXPECT_TRUE(painted().empty());
    action(kJumpToBracket)->trigger();
    EXPECT_EQ(selected(), QString("("));
}

TEST_F(Brackets, TheColoursAreReadWhenPainting)
{
    setTextAndCaret("(a)", 0);
    paint();
    EXPECT_EQ(matcher()->paintColor(), QColor(Qt::red));
    mainWindow()->settings().change([](EditorSettings &s) {
        s.bracketForeground = Colors::clBlue;
        s.bracketBackground = Colors::clYellow;
    });
    paint();
    EXPECT_EQ(matcher()->paintColor(), QColor(Qt::blue));
    EXPECT_EQ(matcher()->paintBackground(), QColor(Qt::yellow));
}

// What is open at each line start is kept between caret moves: an edit above the bracket, made
// as typing makes it or with the editor's change notices off as Replace All makes it, is seen.
TEST_F(Brackets, EditsAboveTheBracketAreSeenWithHighlightingOff)
{
    action(kHighlighting)->trigger();
    setTextAndCaret("x\r\n(a)", 3);
    paint();
    EXPECT_EQ(painted(), (std::vector<qsizetype>{3, 5}));
    editor()->insertAt("/*", 0, 1);
    caretAt(5);
    paint();
    EXPECT_TRUE(painted().empty()) << "in a block comment";
    EditorBytes::changeQuietly(editor(), [this] {
        editor()->SendScintilla(QsciScintillaBase::SCI_SETTARGETRANGE, 1UL, 3L);
        editor()->SendScintilla(QsciScintillaBase::SCI_REPLACETARGET, 2UL, "//");
    });
    paint();
    EXPECT_EQ(painted(), (std::vector<qsizetype>{5, 7}));
}
