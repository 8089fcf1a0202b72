// The launchers of the program's windows, go to line, the shortcut list and the about box.
#include "EditorSteps.h"

#include "dialogs/GoToLineDialog.h"

constexpr const char *kLineNumber = "Edit1";   // go to line's
constexpr const char *kGoToCancel = "Button2"; // go to line's Отмена
constexpr const char *kMailLink = "Label5";    // the about box's

class SmallDialogs : public EditorSteps
{
protected:
    // Go to line opened over a text of 100 numbered lines, the caret on `line`; its number field.
    QLineEdit *openGoToLine(int line)
    {
        mainWindow()->setEditorText(numberedLines("%1", 1, 100));
        editor()->setCursorPosition(line - 1, 1);
        action(kGoToLine)->trigger();
        return control<QLineEdit>(kGoToLineWindow, kLineNumber);
    }
    QDialog *goToLine() const { return find<QDialog>(kGoToLineWindow); }
    // Delete as X11 delivers it, with its text.
    static void pressDelete(QWidget *field)
    {
        QKeyEvent event(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7f"));
        QApplication::sendEvent(field, &event);
    }
};

// The keys the tests below do not type, with the texts X11 gives them.
TEST_F(SmallDialogs, GoToLineSortsTheKeysItIsGiven)
{
    using K = GoToLineDialog::KeyClass;
    const struct { int key; const char *text; Qt::KeyboardModifiers mods; K expected; } cases[] = {
        {Qt::Key_7, "7", Qt::KeypadModifier, K::Pass},
        {Qt::Key_Tab, "\t", {}, K::Pass},
        {Qt::Key_Shift, "", Qt::ShiftModifier, K::Pass},
        {Qt::Key_Enter, "\r", Qt::KeypadModifier, K::Confirm},
        {Qt::Key_Minus, "-", {}, K::Refuse},
        {Qt::Key_V, "\x16", Qt::ControlModifier, K::Refuse},
    };
    for (const auto &c : cases) {
        const QKeyEvent event(QEvent::KeyPress, c.key, c.mods, QString::fromLatin1(c.text));
        EXPECT_EQ(GoToLineDialog::classify(event), c.expected) << c.key << " " << c.text;
    }
}

TEST_F(SmallDialogs, GoToLineOpensModalWithTheCaretsLineSelected)
{
    QLineEdit *edit = openGoToLine(57);
    EXPECT_TRUE(goToLine()->isVisible());
    EXPECT_TRUE(goToLine()->isModal());
    EXPECT_EQ(edit->text(), QString("57"));
    EXPECT_EQ(edit->selectedText(), QString("57"));
}

// Letters, Backspace and Escape beep and change nothing; Delete, the arrows and Home edit the
// number as in any field.
TEST_F(SmallDialogs, GoToLineBeepsAtAnyKeyButDigitsAndEditingKeys)
{
    QLineEdit *edit = openGoToLine(57);
    QTest::keyClicks(edit, "1x23");
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(edit->text(), QString("123"));
    EXPECT_EQ(newBeeps(), 3);
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClick(edit, Qt::Key_Left);
    pressDelete(edit);
    QTest::keyClick(edit, Qt::Key_Home);
    pressDelete(edit);
    EXPECT_EQ(edit->text(), QString("2"));
    QTest::keyClick(edit, Qt::Key_1);
    EXPECT_EQ(edit->text(), QString("12"));
    EXPECT_EQ(newBeeps(), 3);
    EXPECT_TRUE(goToLine()->isVisible());
}

TEST_F(SmallDialogs, SpaceOnGoToLinesCancelGoesToTheLine)
{
    openGoToLine(57)->setText("12");
    QTest::keyClick(control<QPushButton>(kGoToLineWindow, kGoToCancel), Qt::Key_Space);
    EXPECT_FALSE(goToLine()->isVisible());
    EXPECT_EQ(caretLine(), 12);
    EXPECT_FALSE(editor()->hasSelectedText());
}

// A number past the text goes to its end; no number beeps and the dialog stays.
TEST_F(SmallDialogs, GoToLineStaysInsideTheText)
{
    const std::pair<const char *, int> cases[] = { // the line gone to; 0: refused, the dialog stays
        {"0", 1},
        {"100", 100},
        {"250", 100},
        {"99999999999", 0},
        {"", 0},
    };
    for (const auto &[typed, line] : cases) {
        QLineEdit *edit = openGoToLine(5);
        edit->setText(typed);
        const int before = newBeeps();
        QTest::keyClick(edit, Qt::Key_Return);
        EXPECT_EQ(goToLine()->isVisible(), line == 0) << typed;
        EXPECT_EQ(caretLine(), line ? line : 5) << typed;
        EXPECT_EQ(newBeeps() - before, line ? 0 : 1) << typed;
        press(goToLine(), kGoToCancel);
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
    action(kAbout)->trigger();
    ASSERT_TRUE(find<QDialog>(kAboutWindow)->isVisible());
    QTest::mouseClick(control<QLabel>(kAboutWindow, kMailLink), Qt::LeftButton);
    EXPECT_EQ(opened, QList<QUrl>({QUrl("mailto:velmora@example.org")}));
}

// The speed bar's items go the same way as the menu's.
TEST_F(SmallDialogs, EachLauncherShowsItsWizardModelessAndBroughtBack)
{
    const std::pair<const char *, const char *> launchers[] = {
        {kBriefingWizard, kBriefingWindow},
        {kOverviewWizard, kOverviewWindow},
        {kDescriptionWizard, kDescriptionWindow},
        {kUnitWizard, kUnitWindow},
        {kBarUnitWizard, kUnitWindow},
        {kCrateWizard, kCrateWindow},
        {"Stringtable1", kStringtableWindow},
    };
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
}

// Their controls need more room in this font than the designed sizes.
TEST_F(SmallDialogs, FixedSizeWizardsAreAtLeastTheirDesignedSize)
{
    const std::pair<const char *, QSize> wizards[] = {
        {kOverviewWindow, {428, 336}},
        {kDescriptionWindow, {664, 400}},
    };
    for (const auto &[name, designed] : wizards) {
        const QWidget *w = find<QDialog>(name);
        EXPECT_EQ(w->minimumSize(), w->maximumSize()) << name;
        EXPECT_EQ(w->size().expandedTo(designed), w->size()) << name;
    }
}

// Screen readers, and tests, find a button that shows only its picture by the name of its tip.
TEST_F(SmallDialogs, PictureButtonsAreNamedAsTheirTips)
{
    mainWindow()->show();
    action(kCustomiseBar)->trigger(); // the customise window is made on first use
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
