// The stringtable wizard and its row dialog: languages, rows, insert and save.
#include "WizardFixture.h"

#include "text/Cp1251.h"
#include "wizards/StringtableRowDialog.h"
#include "wizards/StringtableWizard.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QLabel>
#include <QTableView>

class StringtableWizardTest : public WizardFixture
{
protected:
    void SetUp() override
    {
        WizardFixture::SetUp();
        start();
        mainWindow()->show(); // the row dialog takes the desktop's frame from it
        open(windows->stringtableWizard());
    }
    QTableView *grid() { return control<QTableView>("CSV"); }
    QStringList header()
    {
        QStringList names;
        for (int c = 0; c < grid()->model()->columnCount(); ++c)
            names << grid()->model()->headerData(c, Qt::Horizontal).toString();
        return names;
    }
    QString cell(int row, int column) { return grid()->model()->index(row, column).data().toString(); }
    void setCell(int row, int column, const QString &text)
    {
        grid()->model()->setData(grid()->model()->index(row, column), text);
    }
    QStringList ids() { return items("CSV"); }
    // The user clicks row `from` and shift-clicks row `to`, which becomes the current row.
    void selectRows(int from, int to)
    {
        const auto centre = [this](int row) { return grid()->visualRect(grid()->model()->index(row, 0)).center(); };
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, centre(from));
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, Qt::ShiftModifier, centre(to));
    }
    void check(const char *language, bool on = true) { control<QCheckBox>(language)->setChecked(on); }
    // Opens the row dialog; `fill` plays the user in it. True when the dialog took the row.
    bool addRow(const std::function<void(QDialog &)> &fill)
    {
        bool accepted = false;
        ModalDialogs::setConfirmHandler([&](QDialog &dialog) {
            fill(dialog);
            accepted = dialog.result() == QDialog::Accepted;
            return accepted;
        });
        click("Button1");
        return accepted;
    }
    static void enter(QWidget &dialog, const char *name, const QString &text)
    {
        control<QLineEdit>(&dialog, name)->setText(text);
    }
    static void confirm(QWidget &dialog) { control<QAbstractButton>(&dialog, "Button1")->click(); }
    // The row dialog as the user sees it: a tool window that keeps its size, `height` pixels
    // high with its frame, the buttons' top 60 pixels above its bottom edge.
    static void expectFrame(QDialog &dialog, int height)
    {
        dialog.show();
        EXPECT_EQ(dialog.windowFlags() & Qt::WindowType_Mask, Qt::Tool);
        EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
        const QRect frame = dialog.frameGeometry();
        EXPECT_EQ(frame.height(), height);
        for (const char *name : {"Button1", "Button2"}) {
            const QWidget *button = control(&dialog, name);
            EXPECT_EQ(frame.bottom() + 1 - button->mapToGlobal(QPoint(0, 0)).y(), 60) << name;
        }
    }
};

TEST_F(StringtableWizardTest, RowDialogAddsUniqueRowsInTheLanguagesChosen)
{
    check("rus");
    check("Eng");
    EXPECT_EQ(header(), QStringList({"ID", "English", "Russian"}));

    EXPECT_TRUE(addRow([&](QDialog &dialog) {
        expectFrame(dialog, 250);
        EXPECT_EQ(control<QLineEdit>(&dialog, "eID")->text(), QStringLiteral("STR_"));
        EXPECT_EQ(control<QLabel>(&dialog, "l1")->text(), QStringLiteral("English"));
        EXPECT_EQ(control<QLabel>(&dialog, "l2")->text(), QStringLiteral("Russian"));
        EXPECT_TRUE(control<QLineEdit>(&dialog, "e3")->isHidden());
        enter(dialog, "eID", QStringLiteral("STR_A"));
        enter(dialog, "e1", QStringLiteral("Hello"));
        enter(dialog, "e2", QStringLiteral("Привет"));
        confirm(dialog);
    }));
    // A taken identifier is refused and the dialog stays; another one lands above the first.
    EXPECT_TRUE(addRow([&](QDialog &dialog) {
        enter(dialog, "eID", QStringLiteral("STR_A"));
        confirm(dialog);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_EQ(takeMessages(), QStringList{u"Внимание! Строка с таким идентификатором уже существует."_qs});
        enter(dialog, "eID", QStringLiteral("STR_a"));
        confirm(dialog);
    }));
    EXPECT_EQ(ids(), QStringList({"STR_a", "STR_A", ""}));
    EXPECT_EQ(cell(1, 2), QStringLiteral("Привет"));

    click("Button4");
    EXPECT_EQ(text(), u"LANGUAGE,\"English\",\"Russian\"\r\n\r\nSTR_a,\"\",\"\",\r\nSTR_A,\"Hello\",\"Привет\",\r\n\r\n"_qs);
    EXPECT_EQ(takeMessages(), QStringList{u"Текст файла Stringtable.csv вставлен в позицию курсора."_qs});
    EXPECT_FALSE(scope->isVisible());
}

TEST_F(StringtableWizardTest, DuplicateCopiesTheFieldWhoseMenuWasOpened)
{
    addRow([&](QDialog &dialog) {
        expectFrame(dialog, 400); // no language: every field is offered
        dialog.reject();
    });
    for (const char *language : {"Eng", "rus", "ger", "cze", "fre"})
        check(language);
    addRow([&](QDialog &dialog) {
        expectFrame(dialog, 340);
        enter(dialog, "e6", QStringLiteral("hidden stays"));
        enter(dialog, "e1", QStringLiteral("first"));
        enter(dialog, "e3", QStringLiteral("third"));
        auto *third = control<QLineEdit>(&dialog, "e3");
        control<QLineEdit>(&dialog, "e1")->setFocus();
        emit third->customContextMenuRequested(QPoint(2, 2));
        control<QMenu>(&dialog, "PopupMenu1")->close();
        control<QAction>(&dialog, "N1")->trigger();
        for (const char *name : {"e1", "e2", "e3", "e4", "e5"})
            EXPECT_EQ(control<QLineEdit>(&dialog, name)->text(), QStringLiteral("third")) << name;
        EXPECT_EQ(control<QLineEdit>(&dialog, "e6")->text(), QStringLiteral("hidden stays"));
    });
}

// What each row command does to the rows is checked in the core tests; here the buttons reach
// the row the user is on, and the current row follows the moves.
TEST_F(StringtableWizardTest, RowButtonsAndLanguagesKeepTextsInPlaceNoLanguageStopsTheOutputsAndOneIsSaved)
{
    check("Eng");
    check("rus");
    click("Button6");
    click("Button6"); // both at the current row: blank rows above the initial one
    EXPECT_EQ(ids(), QStringList({" ", " ", ""}));
    setCell(0, 0, QStringLiteral("STR_1"));
    setCell(0, 1, QStringLiteral("one"));
    setCell(0, 2, QStringLiteral("один"));
    click("SpeedButton1");
    EXPECT_EQ(ids(), QStringList({" ", "STR_1", ""}));
    EXPECT_EQ(grid()->currentIndex().row(), 1);
    click("btnUP");
    click("btnUP"); // the first row goes no higher
    EXPECT_EQ(ids(), QStringList({"STR_1", " ", ""}));
    // With rows selected downwards the moves take the current row, the bottom one.
    selectRows(0, 1);
    click("SpeedButton1");
    EXPECT_EQ(ids(), QStringList({"STR_1", "", " "}));
    EXPECT_EQ(grid()->currentIndex().row(), 2);
    selectRows(0, 2);
    click("btnUP");
    EXPECT_EQ(ids(), QStringList({"STR_1", " ", ""}));
    EXPECT_EQ(grid()->currentIndex().row(), 1);

    check("Eng", false);
    EXPECT_EQ(header(), QStringList({"ID", "Russian"}));
    check("Eng");
    EXPECT_EQ(cell(0, 1), QStringLiteral("one"));

    grid()->setCurrentIndex(grid()->model()->index(1, 0));
    click("Button2");
    EXPECT_EQ(ids(), QStringList({"STR_1", ""}));
    grid()->setCurrentIndex(grid()->model()->index(0, 1));
    click("Button3");
    EXPECT_EQ(cell(0, 1), QString());

    click("Button8");
    EXPECT_EQ(header(), QStringList({"ID"}));
    EXPECT_FALSE(control<QCheckBox>("Eng")->isChecked());

    // With no language left the outputs stop after a beep; with one, the file goes out in the game's encoding.
    type(QStringLiteral("keep"));
    editor()->selectAll();
    click("Button4");
    click("Button5");
    EXPECT_EQ(newBeeps(), 2);
    EXPECT_EQ(text(), QStringLiteral("keep"));
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(fileDialogs.empty());
    EXPECT_TRUE(scope->isVisible());

    check("rus");
    setCell(0, 0, QStringLiteral("STR_RU"));
    setCell(0, 1, QStringLiteral("Привет"));
    const QString csv = u"LANGUAGE,\"Russian\"\r\n\r\nSTR_RU,\"Привет\",\r\n"_qs;

    mainWindow()->setGame(Game::Arma);
    saveAs("Button5", QStringLiteral("table"));
    EXPECT_EQ(bytes(QStringLiteral("table.csv")), csv.toUtf8());

    mainWindow()->setGame(Game::Ofp);
    saveAs("Button5", QStringLiteral("stringtable.csv"));
    EXPECT_EQ(bytes(QStringLiteral("stringtable.csv")), Cp1251::encode(csv));
    EXPECT_EQ(takeMessages(), QStringList(2, u"Файл stringtable.csv успешно сохранен"_qs));
    EXPECT_TRUE(scope->isVisible());
}

