// Documents through the main window: open, save, save as, the save question, the re-encodings,
// drops, the save dialog's strip and printing.
#include "../TestUtil.h"
#include "AppFixture.h"

#include "mainwindow/MruUnit.h"
#include "mainwindow/PBPreview.h"
#include "platform/ModalDialogs.h"

#include <QCheckBox>
#include <QDropEvent>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>

const QByteArray kPrivetAnsi = "\xCF\xF0\xE8\xE2\xE5\xF2";
const QByteArray kPrivetUtf8 = "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82";
const QByteArray kBom = "\xEF\xBB\xBF";

class Documents : public AppFixture
{
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        ModalDialogs::setFileHandler([this](QFileDialog &dialog) {
            if (inDialog)
                inDialog(dialog);
            if (chosen.empty())
                return QString();
            const QString path = chosen.front();
            chosen.pop_front();
            return path;
        });
        savedTerminate = TForm1::TerminateApplication;
        TForm1::TerminateApplication = [this] { ++terminations; };
    }

    void TearDown() override
    {
        AppFixture::TearDown();
        ModalDialogs::setFileHandler(nullptr);
        ModalDialogs::setConfirmHandler(nullptr);
        TForm1::TerminateApplication = savedTerminate;
    }

    void open(const QString &name)
    {
        chosen.push_back(path(name));
        Form1->N3Click();
    }
    TPBSavePreviewDialog &saveDialog() const { return *Form1->SavePreviewDialog; }

    std::deque<QString> chosen; // the user's picks in the file dialogs; none left means Cancel
    std::function<void(QFileDialog &)> inDialog;
    std::function<void()> savedTerminate;
    int terminations = 0;
};

TEST_F(Documents, OpenDecodesAndSaveWritesTheEditorFormBack)
{
    struct Case { const char *name; QByteArray onDisk; QString shown; QByteArray savedOfp; };
    const Case cases[] = {
        {"empty", "", "", ""},
        {"Windows-1251", kPrivetAnsi, u"Привет"_qs, kPrivetAnsi},
        {"LF only", "a\nb\n", "a\r\nb", "a\r\nb"},
        {"CR only", "a\rb\r", "a\r\nb", "a\r\nb"},
        {"NUL", QByteArray("ab\0cd", 5), "ab", "ab"},
        {"mark + UTF-8", kBom + kPrivetUtf8, u"Привет"_qs, kPrivetAnsi},
        {"UTF-8 capital", kPrivetUtf8, u"Привет"_qs, kPrivetAnsi},
        {"UTF-8 small", "\xD0\xBF\xD1\x80\xD0\xB8", u"при"_qs, "\xEF\xF0\xE8"},
    };
    start();
    for (const Case &c : cases) {
        put("doc.txt", c.onDisk);
        open("doc.txt");
        EXPECT_EQ(text(), c.shown) << c.name;
        EXPECT_FALSE(Form1->modified()) << c.name;
        EXPECT_EQ(Form1->windowTitle(), QString("doc.txt - Velmora"));
        EXPECT_EQ(QApplication::applicationDisplayName(), QString("doc.txt - Velmora"));
        ASSERT_TRUE(Form1->N6Click()) << c.name;
        EXPECT_EQ(bytes("doc.txt"), c.savedOfp) << c.name;
    }
}

TEST_F(Documents, SavePathsByGameModeAndEncoding)
{
    // encoding: the strip's choice for Save As (Auto, ANSI, UTF-8), -1 for Save; mark: the signature box.
    struct Case { bool arma; int encoding; bool mark; QByteArray written; };
    const Case cases[] = {
        {false, -1, false, kPrivetAnsi}, {true, -1, false, kPrivetUtf8},       {false, 0, false, kPrivetAnsi},
        {true, 0, false, kPrivetUtf8},   {false, 1, false, kPrivetAnsi},       {true, 1, false, kPrivetAnsi},
        {false, 2, false, kPrivetUtf8},  {true, 2, true, kBom + kPrivetUtf8}, {true, 0, true, kPrivetUtf8},
        {false, 1, true, kPrivetAnsi},
    };
    for (const Case &c : cases) {
        start();
        c.arma ? Form1->ArmA1Click() : Form1->OFP1Click();
        put("doc.sqs", kPrivetAnsi);
        open("doc.sqs");
        TPBSavePreviewDialog &d = saveDialog();
        d.UTFRRADIO->click();
        d.SignatureBox->setChecked(c.mark);
        QRadioButton *const radios[] = {d.AUTORADIO, d.ANSIRADIO, d.UTFRRADIO};
        radios[std::max(c.encoding, 0)]->click();
        chosen.push_back(path("doc.sqs"));
        EXPECT_TRUE(c.encoding < 0 ? Form1->N6Click() : Form1->N7Click());
        EXPECT_EQ(bytes("doc.sqs"), c.written) << c.encoding << " arma " << c.arma << " mark " << c.mark;
        windows.reset();
    }
}

TEST_F(Documents, SaveAsForcesTheFiltersExtensionAndAsksBeforeAnotherFile)
{
    start();
    type("x");
    for (const auto &[typed, filter, written] : {std::tuple{"a.txt", 1, "a.sqs"}, {"script", 1, "script.sqs"},
                                                 {"b.txt", 8, "b.txt"}}) {
        inDialog = [filter](QFileDialog &d) { d.selectNameFilter(d.nameFilters()[filter - 1]); };
        chosen.push_back(path(typed));
        ASSERT_TRUE(Form1->N7Click()) << typed;
        EXPECT_EQ(bytes(written), QByteArray("x"));
        EXPECT_EQ(CurrentFileName, path(written));
        EXPECT_EQ(Form1->windowTitle(), written + QString(" - Velmora"));
    }
    EXPECT_TRUE(messages.empty());

    // a.sqs exists now: typing a.txt with the SQS filter names it.
    inDialog = [](QFileDialog &d) { d.selectNameFilter(d.nameFilters()[0]); };
    type("y");
    answers = {Dialogs::Answer::No, Dialogs::Answer::Yes};
    chosen = {path("a.txt"), path("a.txt")};
    EXPECT_FALSE(Form1->N7Click());
    EXPECT_EQ(bytes("a.sqs"), QByteArray("x"));
    EXPECT_TRUE(Form1->modified());
    EXPECT_TRUE(Form1->N7Click());
    EXPECT_EQ(bytes("a.sqs"), QByteArray("yx"));
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, "Файл \"" + path("a.sqs") + "\" уже существует.\nЗаменить его?");
}

TEST_F(Documents, SaveAsStartsBesideTheDocumentWithItsFilterAndName)
{
    put("m.sqf", "x");
    start({path("m.sqf")});
    EXPECT_FALSE(Form1->N7Click()); // cancelled
    EXPECT_EQ(saveDialog().InitialDir, dir.path());
    EXPECT_EQ(saveDialog().FilterIndex, 2);
    EXPECT_EQ(saveDialog().selectedNameFilter(), QString("SQF (*.sqf)"));
    EXPECT_EQ(saveDialog().FileName, QString("m.sqf"));
    Form1->N7Click(); // a second use: the dialog's own folder
    EXPECT_TRUE(saveDialog().InitialDir.isEmpty());

    EXPECT_EQ(qtNameFilters("SQS|*.sqs|Все файлы|*.*"), QStringList({"SQS (*.sqs)", "Все файлы (*)"}));
    EXPECT_EQ(qtNameFilters("Briefing/Overview (*.html; *.htm)|*.html; *.htm|С++  (*.cpp; *.h; *.c)|*.cpp; *.h; *.c"),
              QStringList({"Briefing/Overview (*.html *.htm)", "С++ (*.cpp *.h *.c)"}));
    EXPECT_EQ(qtNameFilters("Свое расширение (*.*)|*.*"), QStringList({"Свое расширение (*)"}));
}

TEST_F(Documents, TheEncodingStripKeepsItsChoices)
{
    start();
    TPBSavePreviewDialog &d = saveDialog();
    EXPECT_EQ(d.GetEncoding(), 0);
    EXPECT_FALSE(d.SignatureBox->isEnabled());

    type("x");
    inDialog = [](QFileDialog &dialog) {
        auto &strip = static_cast<TPBSavePreviewDialog &>(dialog);
        strip.UTFRRADIO->click();
        strip.SignatureBox->setChecked(true);
    };
    chosen.push_back(path("a.sqs"));
    ASSERT_TRUE(Form1->N7Click());
    EXPECT_EQ(d.GetEncoding(), 2); // still chosen at the next Save As
    EXPECT_TRUE(d.SignatureBox->isEnabled() && d.SignatureBox->isChecked());
    d.ANSIRADIO->click();
    EXPECT_EQ(d.GetEncoding(), 1);
    EXPECT_FALSE(d.SignatureBox->isEnabled());
    EXPECT_TRUE(d.SignatureBox->isChecked());
    EXPECT_FALSE(d.signatureWanted());
}

// Yes to the question, then a save that does not happen: nothing of the text may be lost.
TEST_F(Documents, TheSaveQuestionStopsWhenTheSaveDoesNotHappen)
{
    put("other.sqs", "other");
    const std::pair<const char *, std::function<void()>> commands[] = {
        {"New", [] { Form1->N2Click(); }},
        {"Open", [] { Form1->N3Click(); }},
        {"recent file",
         [] {
             for (QAction *item : MRU->OwnerMenuItem()->actions())
                 if (item->text().endsWith("other.sqs"))
                     MRU->MenuItemClick(item);
         }},
        {"drop", [this] { Form1->WMDropFiles({path("other.sqs")}); }},
        {"close", [this] { EXPECT_FALSE(closeMain()); }},
        {"save and exit", [] { Form1->SNEClick(); }},
    };
    // Save As is cancelled; the open dialog, if it came, would pick a file.
    ModalDialogs::setFileHandler([this](QFileDialog &dialog) {
        return &dialog == Form1->SavePreviewDialog ? QString() : path("other.sqs");
    });
    for (bool named : {false, true}) {
        for (const auto &[name, command] : commands) {
            start();
            MRU->AddFile(path("other.sqs"));
            if (named) { // its folder is gone: the save fails
                QDir(dir.path()).mkpath("gone");
                put("gone/doc.sqs", "doc");
                Form1->WMDropFiles({path("gone/doc.sqs")});
                QDir(path("gone")).removeRecursively();
            }
            type("typed ");
            const QString before = text();
            answers = {Dialogs::Answer::Yes};
            messages.clear();
            command();
            EXPECT_EQ(text(), before) << name;
            EXPECT_TRUE(Form1->modified()) << name;
            // The question (Save and exit asks none), then the write error of a named text.
            const bool asks = QLatin1String(name) != QLatin1String("save and exit");
            EXPECT_EQ(messages.size(), (asks ? 1u : 0u) + (named ? 1u : 0u)) << name;
            EXPECT_EQ(terminations, 0) << name;
            windows.reset();
        }
    }
}

TEST_F(Documents, NewKeepsTheFileNameAndTheCommentStyle)
{
    put("a.sqf", "a.sqf");
    start({path("a.sqf")});
    type("typed");
    answers = {Dialogs::Answer::Cancel, Dialogs::Answer::No};
    Form1->N2Click();
    EXPECT_EQ(text(), QString("typeda.sqf"));
    EXPECT_EQ(messages.back().text, QString("Скрипт изменен. Сохранить изменения ?"));
    Form1->N2Click();
    EXPECT_EQ(text(), QString());
    EXPECT_FALSE(Form1->modified());
    EXPECT_EQ(CurrentFileName, path("a.sqf"));
    EXPECT_FALSE(SQSCommentMode);
    EXPECT_EQ(Form1->windowTitle(), QString("Новый - Velmora"));
    // A new text is told by its caption alone, so Save asks for a name.
    type("y");
    chosen.push_back(path("b.sqs"));
    ASSERT_TRUE(Form1->N6Click());
    EXPECT_EQ(bytes("b.sqf"), QByteArray("y")); // the filter of a.sqf was proposed and kept
}

TEST_F(Documents, AFailedOpenChangesNothing)
{
    put("a.sqs", "a");
    start({path("a.sqs")});
    type("typed ");
    answers = {Dialogs::Answer::No};
    open("missing.sqf");
    EXPECT_EQ(CurrentFileName, path("a.sqs"));
    EXPECT_EQ(text(), QString("typed a"));
    EXPECT_TRUE(SQSCommentMode);
    EXPECT_EQ(MRU->files(), QStringList({path("a.sqs")}));
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_TRUE(messages[1].text.startsWith("Cannot open file \"" + path("missing.sqf") + "\"."));
}

TEST_F(Documents, ReEncodingsUndoEachOtherAndRefuseWhatIsNotUtf8)
{
    start();
    Form1->setEditorText(u"Привет\r\nмир"_qs);
    Form1->WinUTF81Click();
    EXPECT_EQ(text(), u"РџСЂРёРІРµС‚\r\nРјРёСЂ"_qs);
    EXPECT_TRUE(Form1->modified());
    Form1->UTF8Win1Click();
    EXPECT_EQ(text(), u"Привет\r\nмир"_qs);
    Form1->SynEdit1->undo();
    EXPECT_EQ(text(), u"РџСЂРёРІРµС‚\r\nРјРёСЂ"_qs); // each is one step to undo

    const int beeps = Dialogs::beepCount();
    for (const QString &notUtf8 : {u"Привет"_qs, u"\u4E2D"_qs}) {
        Form1->setEditorText(notUtf8);
        Form1->SynEdit1->setModified(false);
        Form1->UTF8Win1Click();
        EXPECT_EQ(text(), notUtf8);
        EXPECT_FALSE(Form1->modified());
    }
    EXPECT_EQ(Dialogs::beepCount(), beeps + 2);
}

TEST_F(Documents, AFailedWriteKeepsTheOldFileAndTheTextModified)
{
    put("keep.sqs", "original");
    start({path("keep.sqs")});
    type(QString(64, u'x'));
    EXPECT_FALSE([] {
        FileSizeLimit limit(16);
        return Form1->N6Click();
    }());
    EXPECT_EQ(bytes("keep.sqs"), QByteArray("original"));
    EXPECT_TRUE(Form1->modified());
    EXPECT_EQ(Form1->windowTitle(), QString("keep.sqs - Velmora"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.startsWith("Cannot create file \"" + path("keep.sqs") + "\"."));
}

TEST_F(Documents, AnsiSavesTellOnceWhichCharactersBecameQuestionMarks)
{
    put("a.sqs", "");
    start({path("a.sqs")});
    type(u"\u4E2D\u00E9\u4E2D"_qs);
    ASSERT_TRUE(Form1->N6Click());
    EXPECT_EQ(bytes("a.sqs"), QByteArray("???"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].kind, Dialogs::Kind::Warning);
    EXPECT_TRUE(messages[0].text.contains(u"\u4E2D \u00E9"_qs)) << qPrintable(messages[0].text);
    Form1->ArmA1Click(); // UTF-8 holds them all
    ASSERT_TRUE(Form1->N6Click());
    EXPECT_EQ(bytes("a.sqs"), QString(u"\u4E2D\u00E9\u4E2D"_qs).toUtf8());
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(Documents, OnlyTheFirstDroppedFileOpensAndTheEditorDoesNotTakeItsName)
{
    put("a.sqf", "first");
    put("b.sqs", "second");
    start();
    const auto drop = [](QMimeData &data) {
        QWidget *target = Form1->SynEdit1->viewport();
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &drop);
        return enter.isAccepted();
    };
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(path("a.sqf")), QUrl::fromLocalFile(path("b.sqs"))});
    files.setText(path("a.sqf"));
    EXPECT_TRUE(drop(files));
    EXPECT_EQ(text(), QString("first"));
    EXPECT_EQ(CurrentFileName, path("a.sqf"));
    EXPECT_FALSE(SQSCommentMode);
    EXPECT_EQ(MRU->files(), QStringList({path("a.sqf")}));

    QMimeData plain; // a text drop stays the editor's
    plain.setText("words ");
    drop(plain);
    EXPECT_EQ(text(), QString("words first"));
    EXPECT_EQ(CurrentFileName, path("a.sqf"));
}

TEST_F(Documents, SaveAndExitSavesThenEndsWithoutTheSettings)
{
    put("a.sqs", "a");
    start({path("a.sqs")});
    type("b");
    Form1->SNEClick();
    EXPECT_EQ(terminations, 1);
    EXPECT_EQ(bytes("a.sqs"), QByteArray("ba"));
    windows.reset();
    EXPECT_FALSE(config().contains("[options]"));
    EXPECT_TRUE(config().contains("[MRU List]\r\n1=" + path("a.sqs") + "\r\n2=\r\n")); // the list still goes
}

TEST_F(Documents, PrintsOneLinePerEditorLineOverPages)
{
    start();
    QStringList lines = {u"Привет, мир"_qs, "a\tb", QString(300, u'w') + "END"};
    for (int i = 0; i < 120; ++i)
        lines.append(QStringLiteral("line %1").arg(i));
    Form1->setEditorText(lines.join("\r\n"));
    const QString pdf = path("out.pdf");
    ModalDialogs::setConfirmHandler([&](QDialog &dialog) {
        if (auto *setup = qobject_cast<QPageSetupDialog *>(&dialog)) {
            setup->printer()->setPageOrientation(QPageLayout::Landscape);
            return true;
        }
        auto *printer = static_cast<QPrintDialog &>(dialog).printer();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        return true;
    });
    Form1->N9->trigger(); // the page set up here is the one printed on
    Form1->N10->trigger();
    ASSERT_TRUE(QFileInfo(pdf).size() > 0);
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    const auto run = [](const char *tool, const QStringList &arguments) {
        QProcess p;
        p.start(QStandardPaths::findExecutable(tool), arguments);
        p.waitForFinished();
        return QString::fromUtf8(p.readAllStandardOutput());
    };
    EXPECT_TRUE(run("pdfinfo", {pdf}).contains(QRegularExpression("Page size: +842 x 595")));
    const QString printed = run("pdftotext", {"-layout", pdf, "-"});
    const QStringList pages = printed.split(u'\f', Qt::SkipEmptyParts);
    ASSERT_GE(pages.size(), 2);
    EXPECT_TRUE(pages[0].contains(u"Привет, мир"_qs));
    EXPECT_TRUE(pages[0].contains(QRegularExpression("\\ba +b\\b"))); // the tab leaves a gap
    // The long line is carried over: no printed line holds it whole.
    EXPECT_FALSE(printed.contains(QString(300, u'w')));
    EXPECT_TRUE(printed.contains("END"));
    EXPECT_TRUE(printed.contains("line 0"));
    EXPECT_TRUE(pages.last().contains("line 119"));
    EXPECT_FALSE(pages[0].contains("line 119"));
}
