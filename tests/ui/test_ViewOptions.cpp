// The "Опции" switches, the speed bar's sizes and images, its customise window and stored layout.
#include "EditorSteps.h"

class ViewOptions : public EditorSteps
{
protected:
    QToolBar *bar() const { return find<QToolBar>("ToolBar1"); }
    int image(const char *item) const { return action(item)->property("ImageIndex").toInt(); }
    // The names of the items on the bar, left to right.
    QStringList barItems() const
    {
        QStringList names;
        for (QAction *a : bar()->actions())
            if (!a->isSeparator() && a->isVisible())
                names.append(a->objectName());
        return names;
    }
    // A left-button drag over the editor from one character to another.
    void drag(int line1, int index1, int line2, int index2)
    {
        QWidget *view = editor()->viewport();
        const auto at = [this](int line, int index) {
            const long pos = editor()->positionFromLineIndex(line, index);
            return QPoint(int(editor()->SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0UL, pos)),
                          int(editor()->SendScintilla(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0UL, pos)) + 2);
        };
        QTest::mousePress(view, Qt::LeftButton, {}, at(line1, index1));
        const QPoint to = at(line2, index2);
        QMouseEvent move(QEvent::MouseMove, to, view->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, {});
        QCoreApplication::sendEvent(view, &move);
        QTest::mouseRelease(view, Qt::LeftButton, {}, to);
    }
    int selectionMode() const { return int(editor()->SendScintilla(QsciScintillaBase::SCI_GETSELECTIONMODE)); }
    // Chooses the row whose text is `caption` in a list of the customise window.
    void choose(const char *list, const QString &caption)
    {
        auto *widget = find<QListWidget>(list);
        const auto found = widget->findItems(caption, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << list << ' ' << caption.toStdString();
        widget->setCurrentItem(found.first());
    }
    void click(const char *button) { find<QPushButton>(button)->click(); }
};

// The speed bar's, the command panel's and the highlighting's switches have tests of their own.
TEST_F(ViewOptions, EachSwitchFlipsItsStateAndItsCheckMark)
{
    const std::pair<const char *, std::function<bool()>> switches[] = {
        {kLineNumbers, [this] {
             const bool shown = EditorLook::gutterVisible(editor());
             EXPECT_EQ(editor()->marginWidth(1) > 0, shown) << "the bookmarks go with the line numbers";
             return shown;
         }},
        {kWordWrap, [this] { return EditorLook::wordWrap(editor()); }},
        {"btnWrap", [this] { return action(kWordWrap)->isChecked() && EditorLook::wordWrap(editor()); }},
    };
    for (const auto &[item, state] : switches) {
        const bool first = state();
        for (const bool expected : {!first, first}) {
            action(item)->trigger();
            EXPECT_EQ(state(), expected) << item;
            if (action(item)->isCheckable()) {
                EXPECT_EQ(action(item)->isChecked(), expected) << item;
            }
        }
    }
}

TEST_F(ViewOptions, TheCommandPanelComesBackAtItsWidth)
{
    mainWindow()->show();
    QWidget *panel = find(kCommandPanel);
    const int width = panel->width();
    action(kShowCommandPanel)->trigger();
    QCoreApplication::processEvents();
    EXPECT_GT(editor()->width(), width);
    action(kShowCommandPanel)->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(panel->width(), width);
    EXPECT_TRUE(EditorLook::splitterVisible(find<QSplitter>(kPanelSplitter)));
}

TEST_F(ViewOptions, ButtonSizesChosenWhileTheBarIsHiddenShowWhenItComesBack)
{
    mainWindow()->show();
    EXPECT_EQ(bar()->height(), 42);
    action(kShowBar)->trigger();
    action(kSmallButtons)->trigger();
    EXPECT_TRUE(action(kSmallButtons)->isChecked());
    action(kShowBar)->trigger();
    EXPECT_TRUE(bar()->isVisible());
    EXPECT_EQ(bar()->height(), 32);
    EXPECT_EQ(bar()->widgetForAction(action("btnNew"))->size(), QSize(26, 26));
    action(kLargeButtons)->trigger();
    EXPECT_EQ(bar()->widgetForAction(action("btnNew"))->size(), QSize(36, 36));
}

TEST_F(ViewOptions, ColumnModeLastsAndTheButtonShowsIt)
{
    // Typed into the new window: a plain move then selects nothing.
    QTest::keyClicks(editor(), "abc");
    QTest::keyClick(editor(), Qt::Key_Return);
    QTest::keyClicks(editor(), "def");
    QTest::keyClick(editor(), Qt::Key_Return);
    QTest::keyClicks(editor(), "ghi");
    QTest::keyClick(editor(), Qt::Key_Up);
    EXPECT_FALSE(editor()->hasSelectedText());
    EXPECT_EQ(image("btnSelMod"), 25);
    action(kColumnSelection)->trigger();
    EXPECT_TRUE(action(kColumnSelection)->isChecked());
    EXPECT_EQ(image("btnSelMod"), 26);
    editor()->setCursorPosition(0, 1); // a move does not end the mode
    editor()->SendScintilla(QsciScintillaBase::SCI_CHOOSECARETX); // as a click would
    QTest::keyClick(editor(), Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(editor(), Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(selectionMode(), int(QsciScintillaBase::SC_SEL_RECTANGLE));
    EXPECT_EQ(editor()->SendScintilla(QsciScintillaBase::SCI_GETSELECTIONS), 2);
    drag(0, 0, 2, 2); // nor does a click; a press inside the selection would drag its text
    EXPECT_EQ(editor()->SendScintilla(QsciScintillaBase::SCI_GETSELECTIONS), 3);
    action("btnSelMod")->trigger(); // back to normal
    EXPECT_TRUE(action(kStreamSelection)->isChecked());
    EXPECT_EQ(image("btnSelMod"), 25);
    editor()->setCursorPosition(0, 0);
    drag(0, 1, 2, 2);
    EXPECT_EQ(editor()->selectedText(), QString("bc\r\ndef\r\ngh"));
    QTest::keyClick(editor(), Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(selectionMode(), int(QsciScintillaBase::SC_SEL_STREAM));
    EXPECT_EQ(editor()->selectedText(), QString("bc\r\nde"));
}

TEST_F(ViewOptions, ADoubleClickOnTheBarsFreeEndOpensTheCustomiseWindow)
{
    mainWindow()->show();
    QTest::mouseDClick(bar(), Qt::LeftButton, {}, QPoint(bar()->width() - 4, bar()->height() / 2));
    EXPECT_TRUE(find<QDialog>(kCustomiseWindow)->isVisible());
}

// At its first size no caption is cut off at the side.
TEST_F(ViewOptions, TheCustomiseListsShowWholeCaptions)
{
    action(kCustomiseBar)->trigger();
    choose("SectionList", "Инструменты");
    for (const char *name : {"ItemList", "BarList"})
        EXPECT_EQ(find<QListWidget>(name)->horizontalScrollBar()->maximum(), 0) << name;
}

// A section's list holds the items not on the bar; the bar keeps its new order after a restart.
TEST_F(ViewOptions, TheCustomiseWindowRearrangesTheBarForGood)
{
    mainWindow()->show();
    action(kCustomiseBar)->trigger();
    choose("SectionList", "Файл");
    EXPECT_EQ(find<QListWidget>("ItemList")->count(), 2);
    choose("ItemList", "Сохранить и выйти");
    choose("BarList", "Сохранить");
    click("AddButton");
    EXPECT_EQ(barItems().mid(0, 4), QStringList({"btnNew", "btnOpen", "btnSave", kBarSaveAndExit}));
    EXPECT_EQ(find<QListWidget>("ItemList")->count(), 1);
    choose("BarList", "Открыть");
    click("RemoveButton");
    EXPECT_FALSE(action("btnOpen")->isVisible());
    choose("BarList", "Новый");
    click("DownButton");
    click("DownButton");
    click("UpButton");
    EXPECT_EQ(barItems().mid(0, 3), QStringList({"btnSave", "btnNew", kBarSaveAndExit}));
    restart();
    mainWindow()->show();
    EXPECT_EQ(barItems().mid(0, 3), QStringList({"btnSave", "btnNew", kBarSaveAndExit}));
    EXPECT_FALSE(action("btnOpen")->isVisible());
}
