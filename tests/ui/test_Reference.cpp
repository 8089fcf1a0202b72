// The reference tree, the command help window, the pop-up menu and completion in the main window.
#include "EditorSteps.h"

#include "reference/CommandHelpWindow.h"
#include "reference/CompletionList.h"
#include "reference/TreeList.h"
#include "settings/IniFile.h"

class Reference : public EditorSteps
{
protected:
    void SetUp() override // the help cards of hint and addWeapon
    {
        EditorSteps::SetUp();
        put("cmd/hint.txt", "hint\r\nOFP\r\n1.00\r\n");
        put("cmd/ADDWEAPON.TXT", "<b>addWeapon</b>\r\nOFP, ArmA\r\n");
    }
    TreeList *tree() const { return find<TreeList>(kReferenceTree); }
    CommandHelpWindow *help() const { return windows->commandHelpWindow(); }
    CompletionList *names() const { return control<CompletionList>(mainWindow(), "WeapCompleter"); }
    CompletionList *commands() const { return mainWindow()->completion(); }
    QTreeWidgetItem *node(const QString &top, const QString &child = QString()) const
    {
        for (QTreeWidgetItem *item : tree()->findItems(child.isEmpty() ? top : child, Qt::MatchRecursive))
            if (child.isEmpty() ? !item->parent() : item->parent() && item->parent()->text(0) == top)
                return item;
        return existing<QTreeWidgetItem>(nullptr, "node " + top + "/" + child);
    }
    static QString childText(const QTreeWidgetItem *item, int index)
    {
        return existing(item->child(index), item->text(0) + " " + QString::number(index))->text(0);
    }
    QPoint centreOf(QTreeWidgetItem *item) const
    {
        if (item->parent())
            item->parent()->setExpanded(true);
        tree()->scrollToItem(item);
        QApplication::processEvents();
        return tree()->visualItemRect(item).center();
    }
    // A user's double click: the first click selects the row, the second is the double click.
    void doubleClick(QTreeWidgetItem *item)
    {
        const QPoint at = centreOf(item);
        QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(tree()->viewport(), Qt::LeftButton, {}, at);
    }
    // The editor holds `text` with the caret at `caret`; '|' marks it.
    void setText(const QString &marked)
    {
        const qsizetype caret = marked.indexOf(u'|');
        editor()->setText(QString(marked).remove(u'|'));
        EditorBytes::moveCaret(editor(), marked.first(caret < 0 ? 0 : caret).toUtf8().size());
    }
    void keys(const QString &typed) { QTest::keyClicks(editor(), typed); }
    void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) { QTest::keyClick(editor(), k, mods); }
    // The card of addAction shown, with a description long enough to wrap; its grid of rows.
    QTableWidget *showLongCard()
    {
        const QString description = QString("Добавляет пункт в меню действий объекта. ").repeated(8).trimmed();
        help()->showCard({"addAction", "OFP", "1.10", "", "", "Number", description});
        return control<QTableWidget>(help(), "BUDDY"); // the card's name and value rows
    }
    static void drag(QWidget *grid, QPoint from, QPoint by)
    {
        QTest::mousePress(grid, Qt::LeftButton, {}, from);
        QTest::mouseMove(grid, from + by / 2);
        QTest::mouseMove(grid, from + by);
        QTest::mouseRelease(grid, Qt::LeftButton, {}, from + by);
    }
};

class TreeListTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        list.resize(400, 200);
        list.setColumns({{"A", Qt::AlignLeft, Qt::AlignLeft, -1, false, 100, list.font()},
                         {"B", Qt::AlignLeft, Qt::AlignLeft, -1, false, 80, list.font()}});
        list.addTopLevelItem(new QTreeWidgetItem(QStringList("a;b;c")));
        list.show();
    }
    TreeList list;
};

TEST_F(Reference, TheTreeShowsTheCurrentGamesData)
{
    EXPECT_EQ(tree()->topLevelItemCount(), 4);
    EXPECT_EQ(node("Команды")->childCount(), 2);
    EXPECT_EQ(childText(node("Оружие пехоты", "M16"), 0), QString("M16")); // a magazine under its weapon
    action("ArmA1")->trigger();
    EXPECT_EQ(childText(node("Команды"), 2), QString("setVehicleInit"));
    QFile::remove(path("data/data.dat"));
    action("OFP1")->trigger();
    EXPECT_EQ(tree()->topLevelItemCount(), 0);
}

TEST_F(TreeListTest, GreyLinesDivideTheColumns)
{
    EXPECT_EQ(list.columnLinePositions(), QList<int>({98}));
    EXPECT_EQ(list.viewport()->grab().toImage().pixelColor(98, 150), QColor(0xC0, 0xC0, 0xC0));
}

TEST_F(TreeListTest, AColumnKeepsTheWidthItIsGivenButNoLessThanTheIndent)
{
    list.header()->resizeSection(0, 5);
    EXPECT_EQ(list.header()->sectionSize(0), 19);
    EXPECT_EQ(list.columns().value(0).width, 19);
    list.header()->resizeSection(1, 120);
    EXPECT_EQ(list.columns().value(1).width, 120);
}

TEST_F(Reference, AClickAnywhereOnARowSelectsIt)
{
    showActive();
    QTreeWidgetItem *item = node("Команды", "addWeapon");
    const int y = centreOf(item).y();
    QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, QPoint(tree()->viewport()->width() - 3, y));
    EXPECT_EQ(tree()->selectedItems(), QList<QTreeWidgetItem *>({item}));
    tree()->clearSelection();
    QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, QPoint(2, y)); // in the indent
    EXPECT_EQ(tree()->selectedItems(), QList<QTreeWidgetItem *>({item}));
}

// It replaces a selection.
TEST_F(Reference, ADoubleClickInsertsACommandBareOrANameAsAString)
{
    showActive();
    struct Case { const char *top, *child, *before, *after; } cases[] = {
        {"Команды", "hint", "a|bc", "ahintbc"},
        {"Команды", "hint", "\"a|b\"", "\"ahintb\""}, // a command stays bare also inside a string
        {"Оружие пехоты", "M16", "player addWeapon |", "player addWeapon \"M16\""},
        {"Оружие пехоты", "AK47", "😀 \"|\"", "😀 \"AK47\""}, // quotes seen after a character of two UTF-16 units
        {"Команды", nullptr, "x|", "x"}, // a top node inserts nothing
    };
    for (const Case &c : cases) {
        setText(c.before);
        doubleClick(node(c.top, c.child ? QString(c.child) : QString()));
        EXPECT_EQ(text(), QString(c.after)) << c.before;
    }
    setText("x SEL| y");
    editor()->setSelection(0, 2, 0, 5);
    doubleClick(node("Оружие пехоты", "M16"));
    EXPECT_EQ(text(), QString("x \"M16\" y"));
}

// Typing goes on where it was.
TEST_F(Reference, F1ShowsTheCardOfTheTreesItemOrOfTheWordAtTheCaret)
{
    showActive();
    setText("player add|Weapon \"x\"");
    tree()->setFocus();
    tree()->setCurrentItem(node("Команды", "hint"));
    QTest::keyClick(tree(), Qt::Key_F1);
    EXPECT_EQ(help()->values(), QStringList({"hint", "OFP", "1.00", "", "", "", ""}));
    EXPECT_TRUE(help()->isVisible());
    EXPECT_TRUE(tree()->hasFocus());
    tree()->setCurrentItem(node("Оружие пехоты", "M16"));
    QTest::keyClick(tree(), Qt::Key_F1);
    EXPECT_EQ(help()->values(), QStringList({"addWeapon", "OFP, ArmA", "", "", "", "", ""}));
    help()->showCard({});
    editor()->setFocus();
    setText("|nothing here");
    QTest::keyClick(editor(), Qt::Key_F1);
    EXPECT_EQ(help()->values(), QStringList(7, QString()));
    EXPECT_TRUE(messages.empty());
}

TEST_F(Reference, TheHelpItemShowsTheCardOfTheWordAtTheCaretWhereverTheFocusIs)
{
    showActive();
    setText("player add|Weapon \"x\"");
    tree()->setFocus();
    action(kCommandHelp)->trigger();
    EXPECT_EQ(help()->values(), QStringList({"addWeapon", "OFP, ArmA", "", "", "", "", ""}));
}

// The jump beside a bracket, help on a word, the editing items on a selection; Alt+G always works.
TEST_F(Reference, ThePopupMenuOffersWhatTheCaretAndTheSelectionAllow)
{
    struct Case { const char *text; int selectTo; bool jump, help; } cases[] = { // selectTo -1: no selection
        {"f(x)|", -1, true, false},
        {"hi|nt x", -1, false, true},
        {"|", -1, false, false},
        {"f(x)|", 2, false, false},
    };
    QMenu *editorMenu = control<QMenu>(mainWindow(), "PopupMenu1");
    for (const Case &c : cases) {
        setText(c.text);
        if (c.selectTo >= 0)
            editor()->setSelection(0, 0, 0, c.selectTo);
        emit editor()->customContextMenuRequested(QPoint(1, 1));
        EXPECT_EQ(editorMenu->actions().contains(action(kJumpToBracket)), c.jump) << c.text;
        EXPECT_EQ(action(kCommandHelp)->isEnabled(), c.help) << c.text;
        for (const char *item : {kCut, kCopy, kDelete, kPopupFixLayout, kPopupFixCaps})
            EXPECT_EQ(action(item)->isEnabled(), c.selectTo >= 0) << c.text << " " << item;
        editorMenu->hide();
        EXPECT_TRUE(action(kJumpToBracket)->isVisible() && action(kJumpToBracket)->isEnabled());
    }
}

TEST_F(Reference, TheHelpWindowsPlacementIsKeptOnceItWasShown)
{
    restart();
    EXPECT_FALSE(config().contains("[HelperPos]"));
    IniFile(configPath()).writeString("HelperPos", "NormPos", "100,120,600,260"); // read at the first showing
    help()->showCard({"hint"});
    EXPECT_EQ(help()->geometry(), QRect(100, 120, 500, 140));
    help()->setGeometry(50, 60, 400, 130);
    ASSERT_TRUE(closeMain());
    windows.reset();
    EXPECT_EQ(IniFile(configPath()).readString("HelperPos", "NormPos", ""), QString("50,60,450,190"));
}

// A long description wraps in its cell, where it can be selected and copied; the row's line is
// dragged, and a double click on it fits the row to the wrapped text.
TEST_F(Reference, TheHelpCardsRowsAreSizedByTheirLines)
{
    QTableWidget *list = showLongCard();
    QWidget *grid = list->viewport();
    const QRect cell = list->visualRect(list->model()->index(6, 1)); // the description's
    const QPoint rowLine(cell.center().x(), cell.bottom() + 1);
    drag(grid, rowLine, QPoint(0, 40));
    EXPECT_EQ(list->rowHeight(6), cell.height() + 1 + 40);
    list->setCurrentCell(6, 1);
    const auto *editor = existing(grid->findChild<QPlainTextEdit *>(), "the cell's editor");
    EXPECT_GT(editor->document()->firstBlock().layout()->lineCount(), 2);
    EXPECT_EQ(editor->toPlainText(), help()->values().value(6));
    list->setCurrentCell(6, 0);
    QTest::mouseDClick(grid, Qt::LeftButton, {}, rowLine + QPoint(0, 40));
    EXPECT_EQ(list->rowHeight(6), static_cast<QAbstractItemView *>(list)->sizeHintForRow(6));
    EXPECT_GT(list->rowHeight(6), 3 * cell.height());
}

TEST_F(Reference, TheHelpCardsValueColumnFillsTheRestUnlessDraggedWider)
{
    QTableWidget *list = showLongCard();
    QWidget *grid = list->viewport();
    const int nameWidth = list->columnWidth(0);
    drag(grid, QPoint(nameWidth, 5), QPoint(30, 0));
    EXPECT_EQ(list->columnWidth(0), nameWidth + 30);
    EXPECT_EQ(list->columnWidth(0) + list->columnWidth(1), grid->width());
    drag(grid, QPoint(grid->width() - 1, 5), QPoint(200, 0));
    QApplication::processEvents();
    EXPECT_GT(list->horizontalScrollBar()->maximum(), 150);
}

// Also after a character of two UTF-16 units earlier on the line; nothing to offer, no empty list.
TEST_F(Reference, AQuoteAfterTheGamesCommandsOffersTheirNames)
{
    struct Case { const char *before; QStringList shown; } cases[] = {
        {"player addWeapon ", {"M16", "AK47"}},
        {"this addMagazine ", {"M16", "AK47", "HandGrenade"}},
        {"unit switchMove ", {"FXStandDip"}},
        {"hint \"😀\"; player addWeapon ", {"M16", "AK47"}},
        {"player setPos ", {}},
    };
    for (const Case &c : cases) {
        setText(QString(c.before) + u'|');
        keys("\"");
        EXPECT_EQ(names()->isOpen(), !c.shown.isEmpty()) << c.before;
        EXPECT_EQ(names()->isOpen() ? names()->shownItems() : QStringList(), c.shown) << c.before;
        key(Qt::Key_Escape);
    }
}

// Return, Tab or a quote chooses; one undo step takes the whole completion back.
TEST_F(Reference, AChosenNameIsClosedByExactlyOneQuote)
{
    const struct { const char *before, *typed; Qt::Key chooseWith; const char *result; } choices[] = {
        {"hint \"😀\"; player addWeapon ", "\"", Qt::Key_Return, "hint \"😀\"; player addWeapon \"M16\""},
        {"player addWeapon ", "\"", Qt::Key_Tab, "player addWeapon \"M16\""},
        {"player addWeapon ", "\"a", Qt::Key_QuoteDbl, "player addWeapon \"AK47\""},
    };
    for (const auto &c : choices) {
        setText(QString(c.before) + u'|');
        keys(c.typed);
        EXPECT_EQ(names()->shownItems().size(), QString(c.typed).endsWith('"') ? 2 : 1) << c.typed;
        if (c.chooseWith == Qt::Key_QuoteDbl)
            keys("\"");
        else
            key(c.chooseWith);
        EXPECT_EQ(text(), QString(c.result)) << c.typed;
        EXPECT_FALSE(names()->isOpen());
        editor()->undo();
        EXPECT_EQ(text(), QString(c.before) + c.typed) << c.typed;
    }
}

// On the commands' key Ctrl+Space opens them, and still the names in a quoted argument. Where an
// argument is quoted is the core tests' (CompletionRules).
TEST_F(Reference, CtrlSpaceOffersTheNamesOnlyInAQuotedArgument)
{
    commands()->shortcutCode = 0x4020; // Ctrl+Space, as the settings dialog sets it
    setText("|");
    key(Qt::Key_Tab);
    EXPECT_EQ(text(), QString("\t"));
    EXPECT_FALSE(commands()->isOpen());
    key(Qt::Key_Space, Qt::ControlModifier);
    EXPECT_TRUE(commands()->isOpen());
    EXPECT_FALSE(names()->isOpen());
    key(Qt::Key_Escape);
    setText("player addWeapon \"|");
    key(Qt::Key_Space, Qt::ControlModifier);
    EXPECT_TRUE(names()->isOpen());
    EXPECT_FALSE(commands()->isOpen());
}

TEST_F(Reference, TheCommandListShowsItsLinesAndInsertsTheCommand)
{
    setText("_x = |");
    key(Qt::Key_Tab);
    ASSERT_TRUE(commands()->isOpen());
    EXPECT_EQ(commands()->shownItems(), QStringList({"hint  hint \"text\"", "addWeapon  unit addWeapon \"weapon\""}));
    keys("AD"); // the list narrows as the user types
    EXPECT_EQ(commands()->shownItems(), QStringList({"addWeapon  unit addWeapon \"weapon\""}));
    key(Qt::Key_Backspace);
    key(Qt::Key_Backspace);
    EXPECT_EQ(commands()->shownItems().size(), 2);
    keys("h");
    key(Qt::Key_Return);
    EXPECT_EQ(text(), QString("_x = hint"));
    keys(" unit"); // '.' opens it as well; an end character takes the entry and follows it
    keys(".ad(");
    EXPECT_EQ(text(), QString("_x = hint unit.addWeapon("));
    EXPECT_FALSE(commands()->isOpen());
    setText("hint \"Go home|");
    keys(".");
    EXPECT_TRUE(commands()->isOpen());
    keys(" Now\""); // a blank right after the full stop takes no command
    EXPECT_EQ(text(), QString("hint \"Go home. Now\""));
    EXPECT_FALSE(names()->isOpen());
    setText("player addWeapon |");
    keys("\"\""); // nor does the quote of an empty string take a name
    EXPECT_EQ(text(), QString("player addWeapon \"\""));
    setText("😀 hi|"); // only the typed part is replaced, also after a character of two UTF-16 units
    key(Qt::Key_Tab);
    EXPECT_EQ(commands()->shownItems().size(), 1);
    key(Qt::Key_Return);
    EXPECT_EQ(text(), QString("😀 hint"));
    setText("x|");
    key(Qt::Key_Tab); // nothing matches: the key opens nothing and inserts nothing
    EXPECT_FALSE(commands()->isOpen());
    EXPECT_EQ(text(), QString("x"));
}

