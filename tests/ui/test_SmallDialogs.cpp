// The launchers of the program's windows, go to line, the shortcut list and the about box.
#include "EditorSteps.h"

#include "dialogs/GoToLineDialog.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>

class SmallDialogs : public EditorSteps
{
protected:
    void openGoToLine(int line)
    {
        QStringList lines;
        for (int i = 1; i <= 100; ++i)
            lines.append(QString::number(i));
        mainWindow()->setEditorText(lines.join("\r\n"));
        editor()->setCursorPosition(line - 1, 1);
        action("N49")->trigger();
    }
};

// The keys the tests below do not type, with the texts X11 gives them.
TEST_F(SmallDialogs, GoToLineKeyClasses)
{
    using K = GoToLineDialog::KeyClass;
    const struct { int key; const char *text; Qt::KeyboardModifiers mods; K expected; } cases[] = {
        {Qt::Key_7, "7", Qt::KeypadModifier, K::Pass}, {Qt::Key_Tab, "\t", {}, K::Pass},
        {Qt::Key_Shift, "", Qt::ShiftModifier, K::Pass}, {Qt::Key_Enter, "\r", Qt::KeypadModifier, K::Confirm},
        {Qt::Key_Minus, "-", {}, K::Refuse}, {Qt::Key_V, "\x16", Qt::ControlModifier, K::Refuse},
    };
    for (const auto &c : cases) {
        const QKeyEvent event(QEvent::KeyPress, c.key, c.mods, QString::fromLatin1(c.text));
        EXPECT_EQ(GoToLineDialog::classify(event), c.expected) << c.key << " " << c.text;
    }
}

TEST_F(SmallDialogs, GoToLineShowsTheCaretLineClampsToTheTextAndSpaceConfirmsEvenOnCancel)
{
    openGoToLine(57);
    auto *dialog = find<QDialog>("Form4");
    ASSERT_TRUE(dialog->isVisible());
    EXPECT_TRUE(dialog->isModal());
    auto *edit = control<QLineEdit>("Form4", "Edit1");
    EXPECT_EQ(edit->text(), QString("57"));
    EXPECT_EQ(edit->selectedText(), QString("57"));

    QTest::keyClicks(edit, "1x23");
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(edit->text(), QString("123"));
    EXPECT_EQ(newBeeps(), 3);
    // Delete, the arrows and Home edit the number as in any field; Delete carries the text X11 gives it.
    QTest::keyClick(edit, Qt::Key_End);
    const auto del = [edit] {
        QKeyEvent event(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7f"));
        QApplication::sendEvent(edit, &event);
    };
    QTest::keyClick(edit, Qt::Key_Left);
    del();
    QTest::keyClick(edit, Qt::Key_Home);
    del();
    EXPECT_EQ(edit->text(), QString("2"));
    QTest::keyClick(edit, Qt::Key_1);
    EXPECT_EQ(edit->text(), QString("12"));
    EXPECT_EQ(newBeeps(), 3);
    EXPECT_TRUE(dialog->isVisible());

    QTest::keyClick(control<QPushButton>("Form4", "Button2"), Qt::Key_Space);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(caretLine(), 12);
    EXPECT_FALSE(editor()->hasSelectedText());

    // A number past the text goes to its end; no number beeps and the dialog stays.
    const std::pair<const char *, int> cases[] = {{"0", 1}, {"100", 100}, {"250", 100}, {"99999999999", 0}, {"", 0}};
    for (const auto &[typed, line] : cases) { // line 0: refused, the dialog stays
        openGoToLine(5);
        edit->setText(typed);
        const int before = newBeeps();
        QTest::keyClick(edit, Qt::Key_Return);
        EXPECT_EQ(dialog->isVisible(), line == 0) << typed;
        EXPECT_EQ(caretLine(), line ? line : 5) << typed;
        EXPECT_EQ(newBeeps() - before, line ? 0 : 1) << typed;
        control<QPushButton>("Form4", "Button2")->click();
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(SmallDialogs, TheAboutBoxsAddressOpensTheMailProgram)
{
    QList<QUrl> opened;
    Launcher::setHandler([&](const Launcher::Request &r) {
        opened.append(r.url);
        return true;
    });
    action("N42")->trigger();
    ASSERT_TRUE(find<QDialog>("aboutBox")->isVisible());
    QTest::mouseClick(control<QLabel>("aboutBox", "Label5"), Qt::LeftButton);
    EXPECT_EQ(opened, QList<QUrl>({QUrl("mailto:velmora@example.org")}));
}

TEST_F(SmallDialogs, WizardsOpenModelessAndComeBackToTheFrontAndTheSniperIsOfpsOnly)
{
    const std::pair<const char *, const char *> launchers[] = {{"N64", "Form8"}, {"N73", "Form9"}, {"N76", "Form13"},
        {"N74", "Form10"}, {"N75", "Form12"}, {"Stringtable1", "Form17"}}; // the speed bar's items go the same way
    for (const auto &[item, window] : launchers) {
        auto *wizard = find<QDialog>(window);
        wizard->hide();
        action(item)->trigger();
        EXPECT_TRUE(wizard->isVisible()) << item;
        EXPECT_FALSE(wizard->isModal()) << item;
        wizard->showMinimized();
        action(item)->trigger();
        EXPECT_FALSE(wizard->isMinimized()) << item;
        wizard->hide();
    }
    // The unit wizard offers "Снайпер" only in OFP, decided at every opening.
    mainWindow()->setGame(Game::Arma);
    action("ToolButton5")->trigger();
    EXPECT_FALSE(find<QCheckBox>("IsSniper")->isEnabled());
    find<QDialog>("Form10")->hide();
    mainWindow()->setGame(Game::Ofp);
    action("N74")->trigger();
    EXPECT_TRUE(find<QCheckBox>("IsSniper")->isEnabled());
}

// The wizards' frames: their title-bar buttons, the ones that keep their size, and details of
// their look.
TEST_F(SmallDialogs, WizardFramesSizesAndLook)
{
    const auto fixedSize = [this](const char *window) {
        const QWidget *w = find<QDialog>(window);
        return w->minimumSize() == w->maximumSize() ? w->size() : QSize();
    };
    EXPECT_TRUE(find<QDialog>("Form12")->windowFlags().testFlags(Qt::WindowMinimizeButtonHint
                                                                  | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(fixedSize("Form9"), QSize(428, 336));
    EXPECT_EQ(find<QDialog>("Form9")->windowFlags() & Qt::WindowType_Mask, Qt::Tool);
    // Its controls need more room in this font than the designed 664 by 400.
    EXPECT_TRUE(fixedSize("Form13").expandedTo(QSize(664, 400)) == fixedSize("Form13"));
    // The stringtable's header row in the colours of an active title bar.
    const QPalette header = control<QTableView>("Form17", "CSV")->horizontalHeader()->palette();
    EXPECT_EQ(header.color(QPalette::Button), header.color(QPalette::Highlight));
    EXPECT_EQ(header.color(QPalette::ButtonText), header.color(QPalette::HighlightedText));
}

// Screen readers, and tests, find a button that shows only its picture by the name of its tip.
TEST_F(SmallDialogs, PictureButtonsAreNamedAsTheirTips)
{
    mainWindow()->show();
    action("N80")->trigger(); // the customise window is made on first use
    int seen = 0;
    for (QWidget *window : QApplication::topLevelWidgets())
        for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
            const auto *tool = qobject_cast<QToolButton *>(button);
            const bool pictureOnly = !button->icon().isNull()
                                     && (button->text().isEmpty()
                                         || (tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly));
            if (!pictureOnly || !button->isVisibleTo(window))
                continue;
            ++seen;
            const QString where = window->objectName() + u'/' + button->objectName() + u' ' + button->toolTip();
            EXPECT_FALSE(button->accessibleName().isEmpty()) << qPrintable(where);
            EXPECT_EQ(button->accessibleName(), button->toolTip()) << qPrintable(where);
        }
    EXPECT_GE(seen, 6 + 15); // the wizards' and the quick search's, and the speed bar's
}
