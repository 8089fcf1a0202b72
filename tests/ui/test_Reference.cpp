// The reference tree, the command help window, the editor's pop-up menu and completion, as the
// main window shows them.
#include "AppFixture.h"

#include "common/EditorBytes.h"
#include "reference/CommandHelpWindow.h"
#include "reference/CompletionList.h"
#include "reference/TreeList.h"
#include "settings/IniFile.h"

#include <QHeaderView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextLayout>

class Reference : public AppFixture
{
protected:
    TreeList *tree() const { return find<TreeList>("ComList"); }
    CommandHelpWindow *help() const { return windows->commandHelpWindow(); }
    CompletionList *names() const { return control<CompletionList>(mainWindow(), "WeapCompleter"); }
    CompletionList *commands() const { return mainWindow()->completion(); }

    // A top node, or a child of it.
    QTreeWidgetItem *node(const QString &top, const QString &child = QString()) const
    {
        for (QTreeWidgetItem *item : tree()->findItems(child.isEmpty() ? top : child, Qt::MatchRecursive))
            if (child.isEmpty() ? !item->parent() : item->parent() && item->parent()->text(0) == top)
                return item;
        ADD_FAILURE() << "no node " << top.toStdString() << "/" << child.toStdString();
        return nullptr;
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
};

TEST_F(Reference, TheTreeShowsTheCurrentGameFollowsEverySwitchAndDrawsItsColumnsLinesAndHeader)
{
    start();
    EXPECT_EQ(tree()->topLevelItemCount(), 4);
    EXPECT_EQ(node("Команды")->childCount(), 2);
    EXPECT_EQ(node("Оружие пехоты", "M16")->child(0)->text(0), QString("M16")); // a magazine under its weapon
    action("ArmA1")->trigger();
    EXPECT_EQ(node("Команды")->child(2)->text(0), QString("setVehicleInit"));
    EXPECT_EQ(node("Анимации")->child(0)->text(0), QString("AmovPercMstpSnonWnonDnon"));

    QFile::remove(path("data/data.dat"));
    action("OFP1")->trigger();
    EXPECT_EQ(tree()->topLevelItemCount(), 0);

    // A tree list's column lines, the narrowest column and the header's clicks.
    TreeList list;
    list.resize(400, 200);
    list.setColumns({{"A", Qt::AlignLeft, Qt::AlignLeft, -1, false, 100, list.font()},
                     {"B", Qt::AlignLeft, Qt::AlignLeft, -1, false, 80, list.font()}});
    list.addTopLevelItem(new QTreeWidgetItem(QStringList("a;b;c")));
    list.show();
    EXPECT_EQ(list.columnLinePositions(), QList<int>({98}));
    EXPECT_EQ(list.viewport()->grab().toImage().pixelColor(98, 150), QColor(0xC0, 0xC0, 0xC0));
    list.setColumnLines(false);
    EXPECT_TRUE(list.columnLinePositions().isEmpty());

    list.header()->resizeSection(0, 5); // narrower than the indent: back to it
    EXPECT_EQ(list.header()->sectionSize(0), 19);
    EXPECT_EQ(list.columns()[0].width, 19);
    list.header()->resizeSection(1, 120);
    EXPECT_EQ(list.columns()[1].width, 120);

    QList<int> clicked;
    QObject::connect(&list, &TreeList::headerClicked, [&](int section) { clicked << section; });
    QObject::connect(&list, &TreeList::headerRightClicked, [&](int section) { clicked << -100 - section; });
    QTest::mouseClick(list.header()->viewport(), Qt::LeftButton, {}, QPoint(10, 5));
    QTest::mouseClick(list.header()->viewport(), Qt::LeftButton, {}, QPoint(30, 5));
    QTest::mouseClick(list.header()->viewport(), Qt::RightButton, {}, QPoint(390, 5));
    EXPECT_EQ(clicked, QList<int>({0, 1, -101}));
}

TEST_F(Reference, AClickAnywhereOnARowSelectsItAndADoubleClickInsertsACommandBareOrANameAsAString)
{
    start();
    showActive();
    QTreeWidgetItem *item = node("Команды", "addWeapon");
    const int y = centreOf(item).y();
    QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, QPoint(tree()->viewport()->width() - 3, y));
    EXPECT_EQ(tree()->selectedItems(), QList<QTreeWidgetItem *>({item}));
    QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, QPoint(2, y)); // in the indent
    EXPECT_EQ(tree()->selectedItems(), QList<QTreeWidgetItem *>({item}));

    struct Case { const char *top, *child, *before, *after; } cases[] = {
        {"Команды", "hint", "a|bc", "ahintbc"},
        {"Команды", "hint", "\"a|b\"", "\"ahintb\""}, // a command stays bare also inside a string
        {"Оружие пехоты", "M16", "player addWeapon |", "player addWeapon \"M16\""},
        {"Оружие пехоты", "AK47", "a \"|\"", "a \"AK47\""}, // the quoting rule sees the caret
        {"Оружие пехоты", "AK47", "😀 \"|\"", "😀 \"AK47\""}, // also after a character of two UTF-16 units
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

TEST_F(Reference, F1AndThePopupMenuFollowTheTreeTheCaretAndTheSelection)
{
    put("cmd/hint.txt", "hint\r\nOFP\r\n1.00\r\n");
    put("cmd/ADDWEAPON.TXT", "<b>addWeapon</b>\r\nOFP, ArmA\r\n");
    start();
    showActive();
    setText("player add|Weapon \"x\"");
    const QStringList addWeapon = {"addWeapon", "OFP, ArmA", "", "", "", "", ""};

    tree()->setFocus();
    tree()->setCurrentItem(node("Команды", "hint"));
    QTest::keyClick(tree(), Qt::Key_F1);
    EXPECT_EQ(help()->values(), QStringList({"hint", "OFP", "1.00", "", "", "", ""}));
    EXPECT_TRUE(help()->isVisible());
    EXPECT_EQ(QApplication::activeWindow(), mainWindow()); // typing goes on where it was
    EXPECT_TRUE(tree()->hasFocus());

    action("N79")->trigger(); // the pop-up item looks at the caret, wherever the focus is
    EXPECT_EQ(help()->values(), addWeapon);

    help()->showCard({});
    tree()->setCurrentItem(node("Оружие пехоты", "M16"));
    QTest::keyClick(tree(), Qt::Key_F1);
    EXPECT_EQ(help()->values(), addWeapon);

    help()->showCard({});
    editor()->setFocus();
    setText("|nothing here");
    QTest::keyClick(editor(), Qt::Key_F1);
    EXPECT_EQ(help()->values(), QStringList(7, QString()));
    EXPECT_TRUE(messages.empty());

    // The pop-up menu offers the jump beside a bracket, help on a word and the editing items on a selection.
    struct Case { const char *text; int selectTo; bool jump, help; } cases[] = { // selectTo -1: no selection
        {"f(x)|", -1, true, false}, {"|(x)", -1, true, false}, {"hi|nt x", -1, false, true}, {"|", -1, false, false},
        {"f(x)|", 2, false, false}};
    // The stringtable row dialog has a pop-up menu of the same name.
    QMenu *editorMenu = control<QMenu>(mainWindow(), "PopupMenu1");
    for (const Case &c : cases) {
        setText(c.text);
        if (c.selectTo >= 0)
            editor()->setSelection(0, 0, 0, c.selectTo);
        emit editor()->customContextMenuRequested(QPoint(1, 1));
        EXPECT_EQ(editorMenu->actions().contains(action("N89")), c.jump) << c.text;
        EXPECT_EQ(action("N79")->isEnabled(), c.help) << c.text;
        for (const char *item : {"N26", "N27", "N29", "Eng2", "cAPSCaps1"})
            EXPECT_EQ(action(item)->isEnabled(), c.selectTo >= 0) << c.text << " " << item;
        editorMenu->hide();
        EXPECT_TRUE(action("N89")->isVisible() && action("N89")->isEnabled()); // Alt+G always works
    }
}

TEST_F(Reference, TheHelpWindowsPlacementIsKeptOnceItWasShown)
{
    start();
    ASSERT_TRUE(closeMain());
    windows.reset();
    EXPECT_FALSE(config().contains("[HelperPos]"));

    IniFile(configPath()).writeString("HelperPos", "NormPos", "100,120,600,260");
    start();
    help()->showCard({"hint"});
    EXPECT_EQ(help()->geometry(), QRect(100, 120, 500, 140));
    help()->setGeometry(50, 60, 400, 130);
    ASSERT_TRUE(closeMain());
    windows.reset();
    EXPECT_EQ(IniFile(configPath()).readString("HelperPos", "NormPos", ""), QString("50,60,450,190"));
}

// The card's grid lines size its rows and columns; a long description wraps in a taller row,
// and a value can be selected and copied in its cell.
TEST_F(Reference, TheHelpCardsLinesAreDraggedAndALongValueWraps)
{
    start();
    const QString description = QString("Добавляет пункт в меню действий объекта. ").repeated(8).trimmed();
    help()->showCard({"addAction", "OFP", "1.10", "", "", "Number", description});
    auto *list = control<QTableWidget>(help(), "BUDDY");
    QWidget *grid = list->viewport();
    const auto drag = [grid](QPoint from, QPoint by) {
        QTest::mousePress(grid, Qt::LeftButton, {}, from);
        QTest::mouseMove(grid, from + by / 2);
        QTest::mouseMove(grid, from + by);
        QTest::mouseRelease(grid, Qt::LeftButton, {}, from + by);
    };
    const QRect cell = list->visualRect(list->model()->index(6, 1)); // the description's
    const QPoint rowLine(cell.center().x(), cell.bottom() + 1);

    drag(rowLine, QPoint(0, 40));
    EXPECT_EQ(list->rowHeight(6), cell.height() + 1 + 40);
    list->setCurrentCell(6, 1);
    auto *editor = grid->findChild<QPlainTextEdit *>();
    ASSERT_TRUE(editor);
    EXPECT_EQ(editor->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_GT(editor->document()->firstBlock().layout()->lineCount(), 2);
    EXPECT_EQ(editor->toPlainText(), description);
    list->setCurrentCell(6, 0);

    QTest::mouseDClick(grid, Qt::LeftButton, {}, rowLine + QPoint(0, 40)); // fits the wrapped text
    EXPECT_EQ(list->rowHeight(6), static_cast<QAbstractItemView *>(list)->sizeHintForRow(6));
    EXPECT_GT(list->rowHeight(6), 3 * cell.height());

    // The value column fills what the name column leaves, unless dragged wider.
    const int nameWidth = list->columnWidth(0);
    drag(QPoint(nameWidth, 5), QPoint(30, 0));
    EXPECT_EQ(list->columnWidth(0), nameWidth + 30);
    EXPECT_EQ(list->columnWidth(0) + list->columnWidth(1), grid->width());
    EXPECT_EQ(list->horizontalScrollBar()->maximum(), 0);
    drag(QPoint(grid->width() - 1, 5), QPoint(200, 0));
    QApplication::processEvents();
    EXPECT_GT(list->horizontalScrollBar()->maximum(), 150);
}

TEST_F(Reference, AQuoteOrCtrlSpaceAfterTheGamesCommandsOffersTheirNamesAndAChoiceClosesThem)
{
    start();
    struct Case { const char *typed; QStringList shown; } cases[] = {
        {"player addWeapon \"", {"M16", "AK47"}},
        {"this addMagazine \"", {"M16", "AK47", "HandGrenade"}},
        {"unit switchMove \"", {"FXStandDip"}},
        {"player setPos \"", {}}, // nothing to offer: no empty list
    };
    for (const Case &c : cases) {
        setText("|");
        keys(c.typed);
        EXPECT_EQ(names()->isOpen(), !c.shown.isEmpty()) << c.typed;
        EXPECT_EQ(names()->isOpen() ? names()->shownItems() : QStringList(), c.shown) << c.typed;
        key(Qt::Key_Escape);
    }
    // A character of two UTF-16 units earlier on the line: the quotes are still counted right.
    setText("hint \"😀\"; player addWeapon |");
    keys("\"");
    ASSERT_TRUE(names()->isOpen());
    EXPECT_EQ(names()->shownItems(), QStringList({"M16", "AK47"}));
    key(Qt::Key_Return);
    EXPECT_EQ(text(), QString("hint \"😀\"; player addWeapon \"M16\""));

    // A chosen name is closed by exactly one quote.
    const struct { const char *typed; Qt::Key chooseWith; const char *result; } choices[] = {
        {"player addWeapon \"A", Qt::Key_Return, "player addWeapon \"AK47\""},
        {"player addWeapon \"", Qt::Key_Tab, "player addWeapon \"M16\""},
        {"player addWeapon \"a", Qt::Key_QuoteDbl, "player addWeapon \"AK47\""},
    };
    for (const auto &c : choices) {
        setText("|");
        keys(c.typed);
        EXPECT_EQ(names()->shownItems().size(), QString(c.typed).endsWith('"') ? 2 : 1) << c.typed;
        if (c.chooseWith == Qt::Key_QuoteDbl)
            keys("\"");
        else
            key(c.chooseWith);
        EXPECT_EQ(text(), QString(c.result)) << c.typed;
        EXPECT_FALSE(names()->isOpen());
        editor()->undo(); // one step takes the whole completion back
        EXPECT_EQ(text(), QString(c.typed).remove('"').isEmpty() ? QString() : QString(c.typed)) << c.typed;
    }

    // Ctrl+Space, and the commands once they share it.
    setText("player addWeapon \"M|"); // after letters: no names, and the commands are on Tab
    key(Qt::Key_Space, Qt::ControlModifier);
    EXPECT_FALSE(names()->isOpen());
    EXPECT_FALSE(commands()->isOpen());
    EXPECT_EQ(text(), QString("player addWeapon \"M"));

    commands()->shortcutCode = 0x4020; // Ctrl+Space, as the settings dialog sets it
    setText("|");
    key(Qt::Key_Tab);
    EXPECT_EQ(text(), QString("\t"));
    EXPECT_FALSE(commands()->isOpen());
    key(Qt::Key_Space, Qt::ControlModifier);
    EXPECT_TRUE(commands()->isOpen());
    key(Qt::Key_Escape);
    // On the same key, a quoted argument still gets the names.
    setText("player addWeapon \"|");
    key(Qt::Key_Space, Qt::ControlModifier);
    EXPECT_TRUE(names()->isOpen());
    EXPECT_FALSE(commands()->isOpen());
}

TEST_F(Reference, TheCommandListShowsItsLinesAndInsertsTheCommand)
{
    start();
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

