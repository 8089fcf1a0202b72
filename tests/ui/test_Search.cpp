// Find, Find Next, the quick-find box, Replace and Replace All through the main window.
#include "EditorSteps.h"

class Search : public EditorSteps
{
protected:
    QLineEdit *quickFind() const { return find<QLineEdit>("FindEdit"); }
    QDialog *findDialog() const { return find<QDialog>(kFindWindow); }
    QDialog *replaceDialog() const { return find<QDialog>(kReplaceWindow); }
    void replaceWith(const QString &what, const QString &with)
    {
        action(kReplace)->trigger();
        control<QLineEdit>(replaceDialog(), "FindText")->setText(what);
        control<QLineEdit>(replaceDialog(), "ReplaceText")->setText(with);
    }
};

// Shown again with nothing selected its text empties, but the quick-find box keeps its own.
TEST_F(Search, TheFindDialogOpensOnTheSelectionWithItsLastOptions)
{
    setText("x abc ABC abc");
    select(2, 5);
    action(kFind)->trigger();
    EXPECT_EQ(control<QLineEdit>(findDialog(), "FindText")->text(), QString("abc"));
    control<QCheckBox>(findDialog(), "MatchCase")->setChecked(true);
    findDialog()->reject();
    caretAt(0);
    action("btnFind")->trigger();
    EXPECT_TRUE(findDialog()->isVisible());
    EXPECT_TRUE(control<QCheckBox>(findDialog(), "MatchCase")->isChecked());
    EXPECT_TRUE(control<QLineEdit>(findDialog(), "FindText")->text().isEmpty());
    EXPECT_FALSE(control<QPushButton>(findDialog(), "FindNext")->isEnabled());
    EXPECT_EQ(quickFind()->text(), QString("abc"));
}

// Letter case is ignored unless asked for; there is no wrap-around.
TEST_F(Search, FindNextWalksTheMatchesEitherWay)
{
    setText("x abc ABC abc");
    select(2, 5);
    action(kFind)->trigger();
    press(findDialog(), "FindNext");
    EXPECT_EQ(selectionStart(), 6);
    press(findDialog(), "FindNext");
    EXPECT_EQ(selectionStart(), 10);
    press(findDialog(), "FindNext");
    EXPECT_EQ(selectionStart(), 10);
    EXPECT_EQ(newBeeps(), 1);
    control<QRadioButton>(findDialog(), "Up")->setChecked(true);
    control<QCheckBox>(findDialog(), "MatchCase")->setChecked(true);
    press(findDialog(), "FindNext");
    EXPECT_EQ(selectionStart(), 2);
}

TEST_F(Search, F3RepeatsTheDialogsTextWithLetterCase)
{
    setText("x ABC abc");
    action(kFind)->trigger();
    control<QLineEdit>(findDialog(), "FindText")->setText("abc");
    press(findDialog(), "FindNext"); // finds ABC: the dialog ignores case
    EXPECT_EQ(selectionStart(), 2);
    EXPECT_EQ(quickFind()->text(), QString("abc"));
    caretAt(0);
    action(kFindNext)->trigger();
    EXPECT_EQ(selectionStart(), 6);
}

// It empties while the box has the focus.
TEST_F(Search, TheQuickFindBoxsPlaceholderIsASearchTextLikeAnyOther)
{
    EXPECT_EQ(quickFind()->text(), u"Поиск"_qs);
    setTextAndCaret(u"Поиск и ещё Поиск"_qs, 0);
    action(kFindNext)->trigger();
    EXPECT_EQ(selectionStart(), 12);
    QFocusEvent in(QEvent::FocusIn), out(QEvent::FocusOut);
    QApplication::sendEvent(quickFind(), &in);
    EXPECT_TRUE(quickFind()->text().isEmpty());
    QApplication::sendEvent(quickFind(), &out);
    EXPECT_EQ(quickFind()->text(), u"Поиск"_qs);
}

// Enter does not reach the box; the button's right click opens the Find dialog.
TEST_F(Search, EnterOrTheButtonRunsTheQuickFind)
{
    quickFind()->setText("ab");
    setTextAndCaret("ab ab", 0);
    QSignalSpy returned(quickFind(), &QLineEdit::returnPressed);
    QTest::keyClick(quickFind(), Qt::Key_Return);
    EXPECT_EQ(returned.count(), 0);
    EXPECT_EQ(selectionStart(), 3);
    caretAt(0);
    auto *button = find<QToolButton>("FindBTN");
    button->click();
    EXPECT_EQ(selectionStart(), 3);
    QTest::mousePress(button, Qt::RightButton);
    EXPECT_TRUE(findDialog()->isVisible());
}

// What counts as either is the core tests'.
TEST_F(Search, ARefusedQuickFindTextOrAMissBeepsOnceAndSelectsNothing)
{
    setTextAndCaret("ab ab", 1);
    for (const char *text : {"[]", "zzz"}) {
        quickFind()->setText(text);
        const int before = newBeeps();
        action(kFindNext)->trigger();
        EXPECT_EQ(newBeeps() - before, 1) << text;
        EXPECT_TRUE(selected().isEmpty()) << text;
        EXPECT_EQ(caret(), 1) << text;
    }
}

// From the caret on; nothing left after it beeps.
TEST_F(Search, ReplaceAllReplacesEveryMatchAfterTheCaretAsOneUndoStep)
{
    setTextAndCaret("aaaa", 0);
    replaceWith("a", "b");
    press(replaceDialog(), "ReplaceAll");
    EXPECT_EQ(text(), QString("bbbb"));
    EXPECT_EQ(caret(), 4);
    action(kUndo)->trigger();
    EXPECT_EQ(text(), QString("aaaa"));
    caretAt(2);
    press(replaceDialog(), "ReplaceAll");
    EXPECT_EQ(text(), QString("aabb"));
    press(replaceDialog(), "ReplaceAll");
    EXPECT_EQ(newBeeps(), 1);
}

// Lines added above a bookmark move it down, and Undo brings it back.
TEST_F(Search, ReplaceAllKeepsBookmarksOnTheirLines)
{
    setText("aXa\r\nline\r\naXa\r\nend");
    caretOn(3, 0);
    action(kSetBookmark[3])->trigger();
    caretAt(0);
    replaceWith("X", "\r\n");
    press(replaceDialog(), "ReplaceAll");
    EXPECT_EQ(text(), QString("a\r\na\r\nline\r\na\r\na\r\nend"));
    action(kGoToBookmark[3])->trigger();
    EXPECT_EQ(caretLine(), 4);
    action(kUndo)->trigger();
    action(kGoToBookmark[3])->trigger();
    EXPECT_EQ(caretLine(), 3);
}

// A selection that is the search text is replaced as it stands; any other selection is left alone.
TEST_F(Search, ReplaceTakesTheNextMatchNeverAnUnrelatedSelection)
{
    setText("one two one");
    replaceWith("one", "1");
    select(4, 7);
    press(replaceDialog(), "Replace");
    EXPECT_EQ(text(), QString("one two 1"));
    press(replaceDialog(), "Replace"); // nothing after the caret: the selection stays, nothing changes
    EXPECT_EQ(text(), QString("one two 1"));
    select(0, 3);
    press(replaceDialog(), "Replace");
    EXPECT_EQ(text(), QString("1 two 1"));
    EXPECT_EQ(caret(), 1);
    EXPECT_FALSE(EditorBytes::hasSelection(editor()));
}

// A miss changes nothing and is silent.
TEST_F(Search, TheReplaceDialogsFindNextTakesTheTextLiterally)
{
    setTextAndCaret("abc a.c", 0);
    replaceWith("a.c", "");
    press(replaceDialog(), "FindNext");
    EXPECT_EQ(selectionStart(), 4);
    press(replaceDialog(), "FindNext");
    EXPECT_EQ(selectionStart(), 4);
    EXPECT_EQ(newBeeps(), 0);
}

// A button that once had the focus must not take Enter over: Enter searches and the dialog stays.
TEST_F(Search, EnterSearchesWhicheverButtonHadTheFocus)
{
    for (const char *open : {kFind, kReplace}) {
        action(open)->trigger();
        QDialog *dialog = open == kFind ? findDialog() : replaceDialog();
        auto *field = control<QLineEdit>(dialog, "FindText");
        control<QLineEdit>(replaceDialog(), "ReplaceText")->setText("z");
        for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
            field->setText("abc");
            QTest::mouseClick(button, Qt::LeftButton); // takes the focus; Cancel also closes
            setTextAndCaret("abc abc abc", 1);
            action(open)->trigger();
            ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
            field->setText("abc");
            QTest::keyClick(field, Qt::Key_Return);
            EXPECT_TRUE(dialog->isVisible()) << open << " " << button->text().toStdString();
            EXPECT_EQ(selectionStart(), 4) << open << " " << button->text().toStdString();
            EXPECT_EQ(text(), QString("abc abc abc"));
        }
        dialog->reject();
    }
}
