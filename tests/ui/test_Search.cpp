// Find, Find Next, the quick-find box, Replace and Replace All through the main window.
#include "EditorSteps.h"

#include "editor/FindDialog.h"
#include "editor/ReplaceDialog.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QToolButton>

class Search : public EditorSteps
{
protected:
    QLineEdit *findEdit() const { return find<QLineEdit>("FindEdit"); }
    QDialog *findDialog() const { return find<QDialog>("FindDialog1"); }
    QDialog *replaceDialog() const { return find<QDialog>("ReplaceDialog1"); }
    void click(QDialog *dialog, const char *button) const { control<QPushButton>(dialog, button)->click(); }

    void replaceWith(const QString &what, const QString &with)
    {
        action("N21")->trigger();
        control<QLineEdit>(replaceDialog(), "FindText")->setText(what);
        control<QLineEdit>(replaceDialog(), "ReplaceText")->setText(with);
    }
};

TEST_F(Search, FindDialogStartsFromTheSelectionAndWalksTheMatches)
{
    setText("x abc ABC abc");
    select(2, 5);
    action("N20")->trigger();
    ASSERT_TRUE(findDialog()->isVisible());
    EXPECT_FALSE(findDialog()->isModal());
    EXPECT_EQ(control<QLineEdit>(findDialog(), "FindText")->text(), QString("abc"));
    EXPECT_EQ(findEdit()->text(), QString("abc"));
    EXPECT_TRUE(control<QRadioButton>(findDialog(), "Down")->isChecked());

    click(findDialog(), "FindNext"); // letter case ignored by default
    EXPECT_EQ(selectionStart(), 6);
    EXPECT_EQ(selected(), QString("ABC"));
    click(findDialog(), "FindNext");
    EXPECT_EQ(selectionStart(), 10);
    click(findDialog(), "FindNext"); // no wrap-around
    EXPECT_EQ(selectionStart(), 10);
    EXPECT_EQ(newBeeps(), 1);

    control<QRadioButton>(findDialog(), "Up")->setChecked(true);
    control<QCheckBox>(findDialog(), "MatchCase")->setChecked(true);
    click(findDialog(), "FindNext");
    EXPECT_EQ(selectionStart(), 2);

    // Hidden and shown again, the dialog keeps its options; with nothing selected its text empties
    // but the quick-find box keeps its own.
    findDialog()->reject();
    caretAt(0);
    action("btnFind")->trigger();
    EXPECT_TRUE(findDialog()->isVisible());
    EXPECT_TRUE(control<QCheckBox>(findDialog(), "MatchCase")->isChecked());
    EXPECT_TRUE(control<QLineEdit>(findDialog(), "FindText")->text().isEmpty());
    EXPECT_FALSE(control<QPushButton>(findDialog(), "FindNext")->isEnabled());
    EXPECT_EQ(findEdit()->text(), QString("abc"));
}

TEST_F(Search, F3RepeatsTheDialogsTextWithLetterCase)
{
    setText("x ABC abc");
    action("N20")->trigger();
    control<QLineEdit>(findDialog(), "FindText")->setText("abc");
    click(findDialog(), "FindNext"); // finds ABC: the dialog ignores case
    EXPECT_EQ(selectionStart(), 2);
    EXPECT_EQ(findEdit()->text(), QString("abc"));
    caretAt(0);
    action("N78")->trigger(); // letter case counts for F3
    EXPECT_EQ(selectionStart(), 6);
    action("N78")->trigger();
    EXPECT_EQ(selectionStart(), 6);
    EXPECT_EQ(newBeeps(), 1);
}

TEST_F(Search, TheQuickFindBoxAndItsButton)
{
    QLineEdit *box = findEdit();
    EXPECT_EQ(box->text(), u"Поиск"_qs);
    setText(u"Поиск и ещё Поиск"_qs);
    caretAt(0);
    action("N78")->trigger(); // the placeholder is a search text like any other
    EXPECT_EQ(selectionStart(), 12);

    QFocusEvent in(QEvent::FocusIn), out(QEvent::FocusOut);
    QApplication::sendEvent(box, &in);
    EXPECT_TRUE(box->text().isEmpty());
    QApplication::sendEvent(box, &out);
    EXPECT_EQ(box->text(), u"Поиск"_qs);

    // Enter runs the quick find and does not reach the box.
    setText("ab ab");
    box->setText("ab");
    caretAt(0);
    QSignalSpy returned(box, &QLineEdit::returnPressed);
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(returned.count(), 0);
    EXPECT_EQ(selectionStart(), 3);

    // The button: a left click finds, the right button opens the Find dialog.
    caretAt(0);
    auto *button = find<QToolButton>("FindBTN");
    button->click();
    EXPECT_EQ(selectionStart(), 3);
    QTest::mousePress(button, Qt::RightButton);
    EXPECT_TRUE(findDialog()->isVisible());

    // A refused text and a miss beep once and select nothing; what counts as either is the core tests'.
    caretAt(1);
    for (const char *text : {"[]", "zzz"}) {
        box->setText(text);
        const int before = newBeeps();
        action("N78")->trigger();
        EXPECT_EQ(newBeeps() - before, 1) << text;
        EXPECT_TRUE(selected().isEmpty()) << text;
        EXPECT_EQ(caret(), 1) << text;
    }
}

TEST_F(Search, ReplaceAllReplacesEveryMatchAsOneUndoStepAndKeepsBookmarksOnTheirLines)
{
    setText("aaaa");
    caretAt(0);
    replaceWith("a", "b");
    EXPECT_FALSE(replaceDialog()->findChild<QRadioButton *>()); // no direction to choose
    click(replaceDialog(), "ReplaceAll");
    EXPECT_EQ(text(), QString("bbbb"));
    EXPECT_EQ(caret(), 4);
    EXPECT_EQ(newBeeps(), 0);
    action("N32")->trigger();
    EXPECT_EQ(text(), QString("aaaa"));

    caretAt(2); // from the caret on
    click(replaceDialog(), "ReplaceAll");
    EXPECT_EQ(text(), QString("aabb"));
    click(replaceDialog(), "ReplaceAll"); // nothing left after the caret
    EXPECT_EQ(newBeeps(), 1);

    setText("aXa\r\nline\r\naXa\r\nend");
    caretOn(3, 0);
    action("N310")->trigger();
    caretAt(0);
    replaceWith("X", "\r\n"); // lines are added above the bookmark
    click(replaceDialog(), "ReplaceAll");
    EXPECT_EQ(text(), QString("a\r\na\r\nline\r\na\r\na\r\nend"));
    action("g3")->trigger();
    EXPECT_EQ(caretLine(), 4);
    action("N32")->trigger(); // and through Undo
    action("g3")->trigger();
    EXPECT_EQ(caretLine(), 3);
}

TEST_F(Search, ReplaceTakesTheNextMatchNeverAnUnrelatedSelectionAndFindNextTakesTheTextLiterally)
{
    setText("one two one");
    replaceWith("one", "1");
    select(4, 7); // "two": replaced is the next match, not the selection
    click(replaceDialog(), "Replace");
    EXPECT_EQ(text(), QString("one two 1"));
    click(replaceDialog(), "Replace"); // nothing after the caret: the selection stays, nothing changes
    EXPECT_EQ(text(), QString("one two 1"));

    select(0, 3); // the selection is the search text: replaced as it stands
    click(replaceDialog(), "Replace");
    EXPECT_EQ(text(), QString("1 two 1"));
    EXPECT_EQ(caret(), 1);
    EXPECT_FALSE(EditorBytes::hasSelection(editor()));

    // Find Next of the Replace dialog takes the text literally; a miss changes nothing and is silent.
    setText("a.c abc a.c");
    caretAt(0);
    replaceWith("a.c", "");
    const int beepsBefore = newBeeps();
    click(replaceDialog(), "FindNext");
    EXPECT_EQ(selectionStart(), 0);
    click(replaceDialog(), "FindNext");
    EXPECT_EQ(selectionStart(), 8);
    click(replaceDialog(), "FindNext");
    EXPECT_EQ(selectionStart(), 8);
    EXPECT_EQ(newBeeps(), beepsBefore);
}

// A button that once had the focus must not take Enter over: Enter searches and the dialog stays.
TEST_F(Search, EnterSearchesWhicheverButtonHadTheFocus)
{
    for (const char *open : {"N20", "N21"}) {
        action(open)->trigger();
        QDialog *dialog = QByteArray(open) == "N20" ? findDialog() : replaceDialog();
        auto *field = control<QLineEdit>(dialog, "FindText");
        control<QLineEdit>(replaceDialog(), "ReplaceText")->setText("z");
        for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
            field->setText("abc");
            QTest::mouseClick(button, Qt::LeftButton); // takes the focus; Cancel also closes
            setText("abc abc abc");
            caretAt(1);
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
