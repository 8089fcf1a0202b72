// Documents through the main window: open, save, save as, the save question, the re-encodings,
// drops, the save dialog's strip and printing.
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
#include <csignal>
#include <sys/resource.h>

namespace {

const QByteArray kPrivetAnsi = "\xCF\xF0\xE8\xE2\xE5\xF2";
const QByteArray kPrivetUtf8 = "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82";
const QByteArray kBom = "\xEF\xBB\xBF";

} // namespace

class Documents : public AppFixture
{
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        ModalDialogs::setFileHandler([this](QFileDialog &dialog) {
            shownDialogs.push_back(&dialog);
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

    void put(const QString &name, const QByteArray &bytes) { SaveTextToFile(bytes, path(name)); }
    QByteArray bytes(const QString &name) const { return LoadFileToString(path(name)); }
    QString text() const { return Form1->editorText(); }
    void type(const QString &s) { Form1->SynEdit1->insert(s); }
    void open(const QString &name)
    {
        chosen.push_back(path(name));
        Form1->N3Click();
    }
    TPBSavePreviewDialog &saveDialog() const { return *Form1->SavePreviewDialog; }

    std::deque<QString> chosen; // the user's picks in the file dialogs; none left means Cancel
    std::function<void(QFileDialog &)> inDialog;
    std::vector<QFileDialog *> shownDialogs;
    std::function<void()> savedTerminate;
    int terminations = 0;
};

TEST_F(Documents, OpenDecodesAndSaveWritesTheEditorFormBack)
{
    struct Case
    {
        const char *name;
        QByteArray onDisk;
        QString shown;
        QByteArray savedOfp;
    };
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
    enum Path { Save, Auto, Ansi, Utf8, Utf8Mark, AutoAfterMark, AnsiAfterMark };
    struct Case
    {
        bool arma;
        Path path;
        QByteArray written;
    };
    const Case cases[] = {
        {false, Save, kPrivetAnsi},          {true, Save, kPrivetUtf8},
        {false, Auto, kPrivetAnsi},          {true, Auto, kPrivetUtf8},
        {false, Ansi, kPrivetAnsi},          {true, Ansi, kPrivetAnsi},
        {false, Utf8, kPrivetUtf8},          {true, Utf8Mark, kBom + kPrivetUtf8},
        {true, AutoAfterMark, kPrivetUtf8},  {false, AnsiAfterMark, kPrivetAnsi},
    };
    for (const Case &c : cases) {
        start();
        c.arma ? Form1->ArmA1Click() : Form1->OFP1Click();
        put("doc.sqs", kPrivetAnsi);
        open("doc.sqs");
        TPBSavePreviewDialog &d = saveDialog();
        if (c.path == AutoAfterMark || c.path == AnsiAfterMark) {
            d.UTFRRADIO->click();
            d.SignatureBox->setChecked(true);
        }
        (c.path == Ansi || c.path == AnsiAfterMark ? d.ANSIRADIO
         : c.path == Utf8 || c.path == Utf8Mark    ? d.UTFRRADIO
                                                    : d.AUTORADIO)
            ->click();
        d.SignatureBox->setChecked(c.path == Utf8Mark || d.SignatureBox->isChecked());
        chosen.push_back(path("doc.sqs"));
        EXPECT_TRUE(c.path == Save ? Form1->N6Click() : Form1->N7Click());
        EXPECT_EQ(bytes("doc.sqs"), c.written) << int(c.path) << " arma " << c.arma;
        windows.reset();
    }
}

TEST_F(Documents, SaveAsForcesTheFiltersExtensionAndAsksBeforeAnotherFile)
{
    struct Case
    {
        QString typed;
        int filter;
        QString written;
    };
    const Case cases[] = {{"a.txt", 1, "a.sqs"}, {"script", 1, "script.sqs"}, {"b.txt", 8, "b.txt"}};
    start();
    type("x");
    for (const Case &c : cases) {
        inDialog = [&](QFileDialog &d) { d.selectNameFilter(d.nameFilters()[c.filter - 1]); };
        chosen.push_back(path(c.typed));
        ASSERT_TRUE(Form1->N7Click()) << qPrintable(c.typed);
        EXPECT_EQ(bytes(c.written), QByteArray("x"));
        EXPECT_EQ(CurrentFileName, path(c.written));
        EXPECT_EQ(Form1->windowTitle(), c.written + " - Velmora");
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
    EXPECT_FALSE(SQSCommentMode);
    EXPECT_EQ(MRU->files(), QStringList({path("m.sqf")}));
    chosen.push_back(QString()); // cancelled
    EXPECT_FALSE(Form1->N7Click());
    EXPECT_EQ(saveDialog().InitialDir, dir.path());
    EXPECT_EQ(saveDialog().FilterIndex, 2);
    EXPECT_EQ(saveDialog().selectedNameFilter(), QString("SQF (*.sqf)"));
    EXPECT_EQ(saveDialog().FileName, QString("m.sqf"));
    EXPECT_EQ(saveDialog().Tag, 1);
    Form1->N7Click(); // a second use: the dialog's own folder
    EXPECT_TRUE(saveDialog().InitialDir.isEmpty());
}

TEST_F(Documents, NameFiltersInQtForm)
{
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
    inDialog = nullptr;
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
    EXPECT_EQ(shownDialogs.back(), Form1->SavePreviewDialog);
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
    // A file size limit fails the write even for root; the signal it raises would end the tests.
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    auto *oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 16;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool saved = Form1->N6Click();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(saved);
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
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path("a.sqf")), QUrl::fromLocalFile(path("b.sqs"))});
    data.setText(path("a.sqf"));
    QWidget *target = Form1->SynEdit1->viewport();
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    EXPECT_EQ(text(), QString("first"));
    EXPECT_EQ(CurrentFileName, path("a.sqf"));
    EXPECT_FALSE(SQSCommentMode);
    EXPECT_EQ(MRU->files(), QStringList({path("a.sqf")}));

    QMimeData plain; // a text drop stays the editor's
    plain.setText("words ");
    QDragEnterEvent textEnter(QPoint(5, 5), Qt::CopyAction, &plain, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &textEnter);
    QDropEvent textDrop(QPointF(5, 5), Qt::CopyAction, &plain, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &textDrop);
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

namespace {

// The text of a PDF, or nothing when pdftotext is not installed.
std::optional<QString> pdfText(const QString &pdf)
{
    const QString tool = QStandardPaths::findExecutable("pdftotext");
    if (tool.isEmpty())
        return std::nullopt;
    QProcess p;
    p.start(tool, {"-layout", pdf, "-"});
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

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
    const auto printed = pdfText(pdf);
    if (!printed)
        GTEST_SKIP() << "pdftotext is not installed";
    QProcess info;
    info.start(QStandardPaths::findExecutable("pdfinfo"), {pdf});
    info.waitForFinished();
    EXPECT_TRUE(QString::fromUtf8(info.readAllStandardOutput()).contains(QRegularExpression("Page size: +842 x 595")));
    const QStringList pages = printed->split(u'\f', Qt::SkipEmptyParts);
    EXPECT_GE(pages.size(), 2);
    EXPECT_TRUE(pages[0].contains(u"Привет, мир"_qs));
    EXPECT_TRUE(pages[0].contains(QRegularExpression("\\ba +b\\b"))); // the tab leaves a gap
    // The long line is carried over: no printed line holds it whole.
    EXPECT_FALSE(printed->contains(QString(300, u'w')));
    EXPECT_TRUE(printed->contains("wEND") || printed->contains("END"));
    EXPECT_TRUE(printed->contains("line 0"));
    EXPECT_TRUE(pages.last().contains("line 119"));
    EXPECT_FALSE(pages[0].contains("line 119"));
}
