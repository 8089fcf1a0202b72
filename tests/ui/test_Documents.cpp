// Open, save, the save question, the re-encodings, drops and printing through the main window.
#include "AppFixture.h"

#include "editor/RecentFiles.h"
#include "editor/SaveDialog.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

const QByteArray kPrivetAnsi = "\xCF\xF0\xE8\xE2\xE5\xF2";
const QByteArray kPrivetUtf8 = "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82";
const QByteArray kBom = "\xEF\xBB\xBF";

class Documents : public AppFixture
{
protected:
    void open(const QString &name)
    {
        chosen.push_back(path(name));
        mainWindow()->openWithDialog();
    }
    SaveDialog &saveDialog() const { return *mainWindow()->saveDialog(); }
    // Drags `data` onto the editor and drops it there; whether the editor took the drag.
    bool drop(QMimeData &data)
    {
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(editor()->viewport(), &enter);
        QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(editor()->viewport(), &dropped);
        return enter.isAccepted();
    }
    static QString run(const char *tool, const QStringList &arguments)
    {
        QProcess p;
        p.start(QStandardPaths::findExecutable(tool), arguments);
        p.waitForFinished();
        return QString::fromUtf8(p.readAllStandardOutput());
    }
    // Prints to the PDF file `pdf`, `choose` playing the user in the print dialog; the text of each page.
    QStringList print(const QString &pdf, const std::function<void(QPrinter &)> &choose = [](QPrinter &) {})
    {
        ModalDialogs::setConfirmHandler([&](QDialog &dialog) {
            auto &d = static_cast<QPrintDialog &>(dialog);
            offeredPages = d.maxPage();
            d.printer()->setOutputFormat(QPrinter::PdfFormat);
            d.printer()->setOutputFileName(path(pdf));
            choose(*d.printer());
            return true;
        });
        action(kPrint)->trigger();
        return run("pdftotext", {"-layout", path(pdf), "-"}).split(u'\f', Qt::SkipEmptyParts);
    }
    int offeredPages = 0; // the last print dialog's
};

// Line ends become CR LF; a second open and save gives the same bytes again, so repeated saves never
// wear the end of a file away. Other line ends, NUL, the empty file and a mark before UTF-8 are the
// core tests' (EditorText, DocumentCodec).
TEST_F(Documents, AnUneditedFileIsSavedWithItsBytesAndFinalBreaksInTheChosenEncoding)
{
    struct Row { const char *name; QByteArray onDisk; QByteArray ansi; QByteArray utf8; };
    const Row rows[] = {
        {"LF only", "a\nb\n", "a\r\nb\r\n", "a\r\nb\r\n"},
        {"Windows-1251 with 0x98", "\xCF\xF0\x98\r\n", "\xCF\xF0\x98\r\n", "\xD0\x9F\xD1\x80\xC2\x98\r\n"},
        {"UTF-8", kPrivetUtf8 + "\r\n", kPrivetAnsi + "\r\n", kPrivetUtf8 + "\r\n"},
        {"mark + not UTF-8", kBom + "\xCF\xF0", "\xCF\xF0", "\xD0\x9F\xD1\x80"},
    };
    // How the text goes out: Save by the game mode, or Save As with the strip's choice.
    enum Choice { Save, Auto, Ansi, Utf8, Utf8Mark };
    const char *const radio[] = {nullptr, "AUTORADIO", "ANSIRADIO", "UTFRRADIO", "UTFRRADIO"};
    for (bool arma : {false, true}) {
        start();
        mainWindow()->setGame(arma ? Game::Arma : Game::Ofp);
        for (Choice choice : {Save, Auto, Ansi, Utf8, Utf8Mark}) {
            if (choice != Save) {
                control<QRadioButton>(&saveDialog(), radio[choice])->click();
                control<QCheckBox>(&saveDialog(), "SignatureBox")->setChecked(choice == Utf8Mark);
            }
            const bool utf8 = choice == Utf8 || choice == Utf8Mark || (choice <= Auto && arma);
            for (const Row &row : rows) {
                const QByteArray expected = (choice == Utf8Mark ? kBom : QByteArray()) + (utf8 ? row.utf8 : row.ansi);
                put("doc.txt", row.onDisk);
                QByteArray first;
                for (int round = 0; round < 2; ++round) {
                    open("doc.txt");
                    ASSERT_FALSE(mainWindow()->modified()) << row.name;
                    if (choice != Save)
                        chosen.push_back(path("doc.txt"));
                    ASSERT_TRUE(choice == Save ? mainWindow()->save() : mainWindow()->saveAs()) << row.name;
                    const QByteArray written = bytes("doc.txt");
                    EXPECT_EQ(written, round == 0 ? expected : first) << row.name << " arma " << arma << " choice " << choice << " round " << round;
                    first = written;
                }
            }
        }
        windows.reset();
    }
}

// The forced extension itself is the core tests' (SaveFileName).
TEST_F(Documents, SaveAsGivesTheFileTheChosenFiltersExtension)
{
    start();
    type("x");
    const std::tuple<const char *, int, const char *> rows[] = { // typed, the filter chosen, the file written
        {"a.txt", 1, "a.sqs"},
        {"b.txt", 8, "b.txt"},
    };
    for (const auto &[typed, filter, written] : rows) {
        inFileDialog = [filter](QFileDialog &d) { d.selectNameFilter(d.nameFilters().value(filter - 1)); };
        chosen.push_back(path(typed));
        ASSERT_TRUE(mainWindow()->saveAs()) << typed;
        EXPECT_EQ(bytes(written), QByteArray("x"));
        EXPECT_EQ(mainWindow()->document().path(), path(written));
        EXPECT_EQ(mainWindow()->windowTitle(), written + QString(" - Velmora"));
    }
    EXPECT_TRUE(messages.empty());
}

// The file named is the one with the filter's extension: typing a.txt with the SQS filter names a.sqs.
TEST_F(Documents, SaveAsOverAnotherFileAsksFirst)
{
    startWith("a.sqs", "x");
    mainWindow()->newDocument();
    type("y");
    inFileDialog = [](QFileDialog &d) { d.selectNameFilter(d.nameFilters().value(0)); };
    answers = {Dialogs::Answer::No, Dialogs::Answer::Yes};
    chosen = {path("a.txt"), path("a.txt")};
    EXPECT_FALSE(mainWindow()->saveAs());
    EXPECT_EQ(bytes("a.sqs"), QByteArray("x"));
    EXPECT_TRUE(mainWindow()->modified());
    EXPECT_EQ(onlyMessage(Dialogs::Kind::Question), "Файл \"" + path("a.sqs") + "\" уже существует.\nЗаменить его?");
    EXPECT_TRUE(mainWindow()->saveAs());
    EXPECT_EQ(bytes("a.sqs"), QByteArray("y"));
}

// The encoding strip keeps its choices from one Save As to the next.
TEST_F(Documents, TheSaveDialogStartsFromTheDocumentThenFromItsOwnChoices)
{
    startWith("m.sqf", "x");
    SaveDialog &d = saveDialog();
    QCheckBox *signature = control<QCheckBox>(&d, "SignatureBox");
    inFileDialog = [&](QFileDialog &) {
        control<QRadioButton>(&d, "UTFRRADIO")->click();
        signature->setChecked(true);
    };
    EXPECT_FALSE(mainWindow()->saveAs()); // cancelled
    EXPECT_EQ(d.directory().path(), dir.path());
    EXPECT_EQ(d.filterIndex(), 2);
    EXPECT_EQ(d.selectedFiles(), QStringList(path("m.sqf")));
    inFileDialog = nullptr;
    chosen.push_back(path("m.sqf"));
    ASSERT_TRUE(mainWindow()->saveAs());
    EXPECT_EQ(d.encoding(), SaveDialog::Encoding::Utf8);
    EXPECT_TRUE(signature->isEnabled() && signature->isChecked());
    control<QRadioButton>(&d, "ANSIRADIO")->click();
    EXPECT_FALSE(signature->isEnabled());
}

TEST_F(Documents, TheSaveQuestionStopsWhenTheSaveDoesNotHappen)
{
    put("other.sqs", "other");
    const std::pair<const char *, std::function<void()>> commands[] = {
        {"New", [this] { mainWindow()->newDocument(); }},
        {"Open", [this] { mainWindow()->openWithDialog(); }},
        {"recent file", [this] { menuItem(kRecentMenu, -1)->trigger(); }}, // other.sqs, added first
        {"drop", [this] { mainWindow()->openDroppedFiles({path("other.sqs")}); }},
        {"close", [this] { EXPECT_FALSE(closeMain()); }},
        {"save and exit", [this] { mainWindow()->saveAndExit(); }},
    };
    // Save As is cancelled; the open dialog, if it came, would pick a file.
    ModalDialogs::setFileHandler([this](QFileDialog &dialog) {
        return &dialog == mainWindow()->saveDialog() ? QString() : path("other.sqs");
    });
    for (bool named : {false, true}) {
        for (const auto &[name, command] : commands) {
            start();
            mainWindow()->recentFiles()->addFile(path("other.sqs"));
            if (named) { // its folder is gone: the save fails
                put("gone/doc.sqs", "doc");
                mainWindow()->openDroppedFiles({path("gone/doc.sqs")});
                QDir(path("gone")).removeRecursively();
            }
            type("typed ");
            const QString before = text();
            answers = {Dialogs::Answer::Yes};
            messages.clear();
            command();
            EXPECT_EQ(text(), before) << name;
            EXPECT_TRUE(mainWindow()->modified()) << name;
            // The question (Save and exit asks none), then the write error of a named text.
            EXPECT_EQ(messages.size(), (QLatin1String(name) != "save and exit" ? 1u : 0u) + (named ? 1u : 0u)) << name;
            EXPECT_EQ(terminations, 0) << name;
            windows.reset();
        }
    }
}

TEST_F(Documents, NewKeepsTheFileNameAndTheCommentStyle)
{
    startWith("a.sqf", "a.sqf");
    type("typed");
    answers = {Dialogs::Answer::Cancel, Dialogs::Answer::No};
    mainWindow()->newDocument();
    EXPECT_EQ(text(), QString("typeda.sqf"));
    EXPECT_EQ(takeMessages(), QStringList("Скрипт изменен. Сохранить изменения ?"));
    mainWindow()->newDocument();
    EXPECT_EQ(text(), QString());
    EXPECT_FALSE(mainWindow()->modified());
    EXPECT_EQ(mainWindow()->document().path(), path("a.sqf"));
    EXPECT_FALSE(mainWindow()->lexer()->sqsComments());
    EXPECT_EQ(mainWindow()->windowTitle(), QString("Новый - Velmora"));
    // A new text has no name of its own, so Save asks for one.
    type("y");
    chosen.push_back(path("b.sqs"));
    ASSERT_TRUE(mainWindow()->save());
    EXPECT_EQ(bytes("b.sqf"), QByteArray("y")); // the filter of a.sqf was proposed and kept
}

TEST_F(Documents, AFailedOpenChangesNothing)
{
    startWith("a.sqs", "a");
    type("typed ");
    answers = {Dialogs::Answer::No};
    open("missing.sqf");
    EXPECT_EQ(mainWindow()->document().path(), path("a.sqs"));
    EXPECT_EQ(text(), QString("typed a"));
    EXPECT_TRUE(mainWindow()->lexer()->sqsComments());
    EXPECT_EQ(mainWindow()->recentFiles()->files(), QStringList({path("a.sqs")}));
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_TRUE(messages[1].text.startsWith("Cannot open file \"" + path("missing.sqf") + "\"."));
}

// A save after a re-encoding keeps the final line break.
TEST_F(Documents, EachReEncodingIsOneUndoStep)
{
    startWith("doc.txt", "\xCF\xF0\r\n");
    mainWindow()->reencodeAnsiAsUtf8();
    EXPECT_EQ(text(), u"РџСЂ\r\n"_qs);
    EXPECT_TRUE(mainWindow()->modified());
    ASSERT_TRUE(mainWindow()->save());
    EXPECT_EQ(bytes("doc.txt"), QByteArray("\xD0\x9F\xD1\x80\r\n"));
    mainWindow()->reencodeUtf8AsAnsi();
    EXPECT_EQ(text(), u"Пр\r\n"_qs);
    editor()->undo();
    EXPECT_EQ(text(), u"РџСЂ\r\n"_qs);
}

// "Пр" as bytes of Windows-1251 is no UTF-8.
TEST_F(Documents, AReEncodingOfWhatIsNoUtf8IsRefusedWithABeep)
{
    startWith("doc.txt", "\xCF\xF0\r\n");
    mainWindow()->reencodeUtf8AsAnsi();
    EXPECT_EQ(text(), u"Пр\r\n"_qs);
    EXPECT_FALSE(mainWindow()->modified());
    EXPECT_EQ(newBeeps(), 1);
}

TEST_F(Documents, AnsiSavesAskOnceBeforeCharactersBecomeQuestionMarks)
{
    startWith("a.sqs", "");
    type(u"\u4E2D\u00E9\u4E2D"_qs);
    answers = {Dialogs::Answer::Yes};
    ASSERT_TRUE(mainWindow()->save());
    EXPECT_EQ(bytes("a.sqs"), QByteArray("???"));
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages[0].byDefault, Dialogs::Answer::No); // Enter keeps the characters
    EXPECT_EQ(onlyMessage(Dialogs::Kind::Question), u"В кодировке Windows-1251 нет символов \u4E2D \u00E9. "
                                                    "Записать их в файл \""_qs + path("a.sqs") + "\" как \"?\"?");
    mainWindow()->setGame(Game::Arma); // UTF-8 holds them all
    ASSERT_TRUE(mainWindow()->save());
    EXPECT_EQ(bytes("a.sqs"), QString(u"\u4E2D\u00E9\u4E2D"_qs).toUtf8());
    EXPECT_TRUE(messages.empty());
}

TEST_F(Documents, RefusingToLoseCharactersLeavesTheTextUnsaved)
{
    startWith("a.sqs", "old");
    type(u"\u0142"_qs);
    answers = {Dialogs::Answer::No};
    EXPECT_FALSE(mainWindow()->save());
    answers = {Dialogs::Answer::No};
    chosen.push_back(path("b.sqs"));
    EXPECT_FALSE(mainWindow()->saveAs());
    answers = {Dialogs::Answer::Cancel};
    mainWindow()->saveAndExit();
    answers = {Dialogs::Answer::Yes, Dialogs::Answer::No}; // save the changes, but not as '?'
    EXPECT_FALSE(closeMain());
    EXPECT_EQ(terminations, 0);
    EXPECT_EQ(messages.size(), 5u); // the questions alone
    EXPECT_EQ(bytes("a.sqs"), QByteArray("old"));
    EXPECT_FALSE(QFile::exists(path("b.sqs")));
    EXPECT_EQ(mainWindow()->document().path(), path("a.sqs"));
    EXPECT_TRUE(mainWindow()->modified());
}

TEST_F(Documents, OnlyTheFirstDroppedFileOpens)
{
    put("a.sqf", "first");
    put("b.sqs", "second");
    start();
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(path("a.sqf")), QUrl::fromLocalFile(path("b.sqs"))});
    files.setText(path("a.sqf")); // the editor must not take the name as text
    EXPECT_TRUE(drop(files));
    EXPECT_EQ(text(), QString("first"));
    EXPECT_EQ(mainWindow()->document().path(), path("a.sqf"));
    EXPECT_EQ(mainWindow()->recentFiles()->files(), QStringList({path("a.sqf")}));
}

TEST_F(Documents, ADroppedTextStaysTheEditors)
{
    startWith("a.sqf", "first");
    QMimeData plain;
    plain.setText("words ");
    drop(plain);
    EXPECT_EQ(text(), QString("words first"));
}

TEST_F(Documents, SaveAndExitSavesThenEndsWithoutTheSettings)
{
    startWith("a.sqs", "a");
    type("b");
    mainWindow()->saveAndExit();
    EXPECT_EQ(terminations, 1);
    EXPECT_EQ(bytes("a.sqs"), QByteArray("ba"));
    windows.reset();
    EXPECT_FALSE(config().contains("[options]"));
    EXPECT_TRUE(config().contains("[MRU List]\r\n1=" + path("a.sqs") + "\r\n2=\r\n")); // the list still goes
    EXPECT_TRUE(config().contains("[position]\r\n")); // so does the placement
}

// Qt appends its display name to every caption that does not end with it, so the document's
// name goes to the program's own title of messages, never to Qt's display name.
TEST_F(Documents, TheCaptionIsTheFileNameAloneAfterEveryOpen)
{
    put("b.sqs", "b");
    startWith("a.sqs", "a");
    open("b.sqs");
    EXPECT_EQ(mainWindow()->windowTitle(), QString("b.sqs - Velmora"));
    EXPECT_EQ(Dialogs::applicationTitle(), QString("b.sqs - Velmora"));
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QGuiApplication::applicationName());
}

TEST_F(Documents, AFileNamedLikeANewTextIsSavedWhereItIsWithoutAQuestion)
{
    startWith(u"Новый"_qs, "old");
    EXPECT_EQ(mainWindow()->windowTitle(), u"Новый - Velmora"_qs);
    type("x");
    ASSERT_TRUE(mainWindow()->save());
    EXPECT_EQ(bytes(u"Новый"_qs), QByteArray("xold"));
}

TEST_F(Documents, PrintsOneLinePerEditorLineOverPages)
{
    start();
    mainWindow()->setEditorText(u"Привет, мир\r\n"_qs + numberedLines("line %1", 0, 119));
    ModalDialogs::setConfirmHandler([](QDialog &dialog) {
        static_cast<QPageSetupDialog &>(dialog).printer()->setPageOrientation(QPageLayout::Landscape);
        return true;
    });
    action(kPageSetup)->trigger(); // the page set up here is the one printed on
    const QStringList pages = print("out.pdf");
    ASSERT_TRUE(QFileInfo(path("out.pdf")).size() > 0);
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_TRUE(run("pdfinfo", {path("out.pdf")}).contains(QRegularExpression("Page size: +842 x 595")));
    ASSERT_GE(pages.size(), 2);
    EXPECT_TRUE(pages[0].contains(u"Привет, мир"_qs));
    EXPECT_TRUE(pages.last().contains("line 119"));
}

// Only the pages of the dialog's range are printed, in as many copies as asked: made here for a
// PDF file, which the print system does not copy.
TEST_F(Documents, PrintsThePagesOfTheRangeInTheCopiesAsked)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    start();
    mainWindow()->setEditorText(numberedLines("line %1", 0, 199));
    const QStringList all = print("all.pdf");
    ASSERT_GE(all.size(), 3);
    const QStringList printed = print("two.pdf", [](QPrinter &printer) {
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(2, 2);
        printer.setCopyCount(2);
    });
    EXPECT_EQ(offeredPages, all.size());
    EXPECT_EQ(printed, QStringList({all[1], all[1]}));
}
