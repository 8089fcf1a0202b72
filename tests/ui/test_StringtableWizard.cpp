// The stringtable wizard and its row dialog: languages, rows, insert and save. What each row command
// does to the rows is checked in the core tests; here the buttons reach the row the user is on.
#include "WizardFixture.h"

#include "text/Cp1251.h"
#include "wizards/StringtableWizard.h"

constexpr const char *kInsert = "Button4";    // Вставить в редактор
constexpr const char *kSave = "Button5";      // Сохранить как
constexpr const char *kInsertRow = "Button6"; // Вставить строку
constexpr const char *kRowDown = "SpeedButton1";
// The row dialog's buttons.
constexpr const char *kRowConfirm = "Button1";
constexpr const char *kRowCancel = "Button2";

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
    void setRow(int row, const QStringList &cells)
    {
        for (int column = 0; column < cells.size(); ++column)
            grid()->model()->setData(grid()->model()->index(row, column), cells[column]);
    }
    QStringList ids() { return items("CSV"); }
    // The user clicks row `from` and shift-clicks row `to`, which becomes the current row.
    void selectRows(int from, int to)
    {
        const auto centre = [this](int row) { return grid()->visualRect(grid()->model()->index(row, 0)).center(); };
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, centre(from));
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, Qt::ShiftModifier, centre(to));
    }
    void checkAll(const QStringList &languages)
    {
        for (const QString &language : languages)
            check(language.toLatin1().constData());
    }
    // Opens the row dialog; `fill` plays the user in it. True when the dialog took the row.
    bool addRow(const std::function<void(QDialog &)> &fill)
    {
        bool accepted = false;
        ModalDialogs::setConfirmHandler([&](QDialog &dialog) {
            fill(dialog);
            accepted = dialog.result() == QDialog::Accepted;
            return accepted;
        });
        click(kStringtableAddRow);
        return accepted;
    }
    // The row dialog's field for the n-th chosen language, from 1; its caption is "l" and the number.
    static QLineEdit *field(QWidget &dialog, int n)
    {
        return control<QLineEdit>(&dialog, ("e" + QByteArray::number(n)).constData());
    }
};

TEST_F(StringtableWizardTest, TheChosenLanguagesMakeTheColumnsAndTheRowDialogsFields)
{
    checkAll({"rus", "Eng"});
    EXPECT_EQ(header(), QStringList({"ID", "English", "Russian"}));
    addRow([&](QDialog &dialog) {
        EXPECT_EQ(control<QLineEdit>(&dialog, "eID")->text(), QStringLiteral("STR_"));
        EXPECT_EQ(control<QLabel>(&dialog, "l1")->text(), QStringLiteral("English"));
        EXPECT_EQ(control<QLabel>(&dialog, "l2")->text(), QStringLiteral("Russian"));
        EXPECT_TRUE(field(dialog, 3)->isHidden());
    });
}

// All the languages' height when none is chosen; the buttons' top 60 pixels above the bottom edge.
TEST_F(StringtableWizardTest, TheRowDialogIsAsHighAsItsFields)
{
    const std::pair<QStringList, int> rows[] = {
        {{}, 400},
        {{"Eng", "rus"}, 250},
        {{"Eng", "rus", "ger", "cze", "fre"}, 340},
    };
    for (const auto &[languages, height] : rows) {
        checkAll(languages);
        addRow([&](QDialog &dialog) {
            dialog.show();
            const QRect frame = dialog.frameGeometry();
            EXPECT_EQ(frame.height(), height) << languages.size();
            for (const char *name : {kRowConfirm, kRowCancel})
                EXPECT_EQ(frame.bottom() + 1 - control(&dialog, name)->mapToGlobal(QPoint(0, 0)).y(), 60) << name;
            dialog.reject();
        });
    }
}

// A taken identifier is refused and the dialog stays; another one lands above the current row.
TEST_F(StringtableWizardTest, RowDialogAddsRowsOfUniqueIdentifiers)
{
    checkAll({"Eng", "rus"});
    EXPECT_TRUE(addRow([&](QDialog &dialog) {
        control<QLineEdit>(&dialog, "eID")->setText(QStringLiteral("STR_A"));
        field(dialog, 1)->setText(QStringLiteral("Hello"));
        field(dialog, 2)->setText(QStringLiteral("Привет"));
        press(&dialog, kRowConfirm);
    }));
    EXPECT_TRUE(addRow([&](QDialog &dialog) {
        control<QLineEdit>(&dialog, "eID")->setText(QStringLiteral("STR_A"));
        press(&dialog, kRowConfirm);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_EQ(takeMessages(), QStringList{u"Внимание! Строка с таким идентификатором уже существует."_qs});
        control<QLineEdit>(&dialog, "eID")->setText(QStringLiteral("STR_a"));
        press(&dialog, kRowConfirm);
    }));
    EXPECT_EQ(ids(), QStringList({"STR_a", "STR_A", ""}));
    EXPECT_EQ(cell(1, 2), QStringLiteral("Привет"));
}

TEST_F(StringtableWizardTest, CopyToAllCopiesTheFieldWhoseMenuWasOpenedToTheShownFields)
{
    checkAll({"Eng", "rus", "ger", "cze", "fre"});
    addRow([&](QDialog &dialog) {
        field(dialog, 6)->setText(QStringLiteral("hidden stays"));
        field(dialog, 1)->setText(QStringLiteral("first"));
        field(dialog, 3)->setText(QStringLiteral("third"));
        field(dialog, 1)->setFocus();
        emit field(dialog, 3)->customContextMenuRequested(QPoint(2, 2));
        control<QMenu>(&dialog, "PopupMenu1")->close();
        control<QAction>(&dialog, "N1")->trigger(); // the pop-up item that copies the field to the others
        for (int n = 1; n <= 5; ++n)
            EXPECT_EQ(field(dialog, n)->text(), QStringLiteral("third")) << n;
        EXPECT_EQ(field(dialog, 6)->text(), QStringLiteral("hidden stays"));
    });
}

TEST_F(StringtableWizardTest, InsertWritesTheTableAtTheCaretAndCloses)
{
    checkAll({"Eng", "rus"});
    setRow(0, {"STR_A", "Hello", "Привет"});
    click(kInsert);
    EXPECT_EQ(text(), u"LANGUAGE,\"English\",\"Russian\"\r\n\r\nSTR_A,\"Hello\",\"Привет\",\r\n"_qs);
    EXPECT_EQ(takeMessages(), QStringList{u"Текст файла Stringtable.csv вставлен в позицию курсора."_qs});
    EXPECT_FALSE(scope->isVisible());
}

// Blank rows go in at the current row; the moves carry it, and with rows selected downwards they
// take the current row, the bottom one. The rows' own rules are the core tests' (StringtableCsv).
TEST_F(StringtableWizardTest, TheRowButtonsTakeTheCurrentRow)
{
    checkAll({"Eng"});
    click(kInsertRow);
    click(kInsertRow);
    EXPECT_EQ(ids(), QStringList({" ", " ", ""}));
    setRow(0, {"STR_1", "one"});
    click(kRowDown);
    EXPECT_EQ(ids(), QStringList({" ", "STR_1", ""}));
    EXPECT_EQ(grid()->currentIndex().row(), 1);
    click("btnUP");
    EXPECT_EQ(ids(), QStringList({"STR_1", " ", ""}));
    selectRows(0, 1);
    click(kRowDown);
    EXPECT_EQ(ids(), QStringList({"STR_1", "", " "}));
    EXPECT_EQ(grid()->currentIndex().row(), 2);
    click("Button2"); // Удалить строку
    EXPECT_EQ(ids(), QStringList({"STR_1", ""}));
    grid()->setCurrentIndex(grid()->model()->index(0, 1));
    click("Button3"); // Очистить строку
    EXPECT_EQ(cell(0, 1), QString());
}

TEST_F(StringtableWizardTest, ClearUnticksTheLanguages)
{
    checkAll({"Eng"});
    click("Button8"); // Очистить
    EXPECT_EQ(header(), QStringList({"ID"}));
    EXPECT_FALSE(control<QCheckBox>("Eng")->isChecked());
}

TEST_F(StringtableWizardTest, WithNoLanguageTheOutputsOnlyBeep)
{
    type(QStringLiteral("keep"));
    editor()->selectAll();
    click(kInsert);
    click(kSave);
    EXPECT_EQ(newBeeps(), 2);
    EXPECT_EQ(text(), QStringLiteral("keep"));
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(fileDialogs.empty());
    EXPECT_TRUE(scope->isVisible());
}

TEST_F(StringtableWizardTest, SaveWritesTheFileInTheGamesEncodingAndStaysOpen)
{
    checkAll({"rus"});
    setRow(0, {"STR_RU", "Привет"});
    const QString csv = u"LANGUAGE,\"Russian\"\r\n\r\nSTR_RU,\"Привет\",\r\n"_qs;
    mainWindow()->setGame(Game::Arma);
    saveAs(kSave, QStringLiteral("table"));
    EXPECT_EQ(bytes(QStringLiteral("table.csv")), csv.toUtf8());
    mainWindow()->setGame(Game::Ofp);
    saveAs(kSave, QStringLiteral("stringtable.csv"));
    EXPECT_EQ(bytes(QStringLiteral("stringtable.csv")), Cp1251::encode(csv));
    EXPECT_EQ(takeMessages(), QStringList(2, u"Файл stringtable.csv успешно сохранен"_qs));
    EXPECT_TRUE(scope->isVisible());
}
