// Start-up and shutdown of the main window with config.ini: orders, defaults, refusals.
#include "AppFixture.h"

#include "gamedata/SynSQSHighlighter.h"
#include "mainwindow/TSynCompletionProposal.h"
#include "settings/IniFile.h"

#include <array>

using Attr = TSynHighlighterAttributes;

class StartupSettings : public AppFixture
{
protected:
    // Section names in file order.
    QStringList sections() const
    {
        QStringList out;
        for (const QString &line : config().split(QStringLiteral("\r\n")))
            if (line.startsWith(u'['))
                out.append(line.mid(1, line.size() - 2));
        return out;
    }
    // The values config.ini holds, as (section, key, value) triples.
    void expectWritten(std::initializer_list<std::array<const char *, 3>> values) const
    {
        const IniFile ini(configPath());
        for (const auto &[section, key, value] : values)
            EXPECT_EQ(ini.readString(section, key, "<none>"), QString(value)) << section << '/' << key;
    }
};

TEST_F(StartupSettings, FirstStartWithoutConfigWritesEverySectionAndKeyInOrder)
{
    start();
    EXPECT_EQ(Form1->windowTitle(), QString("Новый - Velmora"));
    EXPECT_TRUE(CurrentFileName.isEmpty());
    EXPECT_FALSE(Form1->modified());
    ASSERT_TRUE(closeMain());
    const IniFile ini(configPath());
    EXPECT_EQ(sections().mid(0, 5),
              QStringList({"options", "txfont", "HIGHLIGHTER", "position", "position\\TForm1ToolBar1"}));
    EXPECT_EQ(ini.readSectionKeys("options"),
              QStringList({"cmdhotkey", "showrow", "BigToolbarButtons", "showbar", "wrap", "showcmd",
                           "SQScomments", "bgcolour", "SelBackground", "SelForeground", "ActiveLineColor",
                           "smblock", "armamode", "OFPpath", "AApath", "SaveBeforeRun", "TabsToSpaces"}));
    EXPECT_EQ(ini.readSectionKeys("txfont"), QStringList({"Name", "CharSet", "Color", "Size", "Style"}));
    QStringList highlighter = {"ForegroundBr", "BackgroundBr", "CommColor"};
    for (const char *suffix : {"Color", "IsBold", "IsItalic"}) {
        if (QLatin1String(suffix) != QLatin1String("Color"))
            highlighter.append(QStringLiteral("Comm") + QLatin1String(suffix));
        for (const char *stem : {"Comd", "Cifr", "String", "Resh", "Text", "Var", "Tilda"})
            highlighter.append(QLatin1String(stem) + QLatin1String(suffix));
    }
    EXPECT_EQ(ini.readSectionKeys("HIGHLIGHTER"), highlighter);
    expectWritten({{"options", "cmdhotkey", "9"},          {"options", "SQScomments", "1"},
                   {"options", "armamode", "0"},           {"options", "bgcolour", "clWindow"},
                   {"HIGHLIGHTER", "ForegroundBr", "clRed"}, {"HIGHLIGHTER", "BackgroundBr", "clNone"},
                   {"HIGHLIGHTER", "CommColor", "clGray"},  {"HIGHLIGHTER", "CommIsItalic", "1"},
                   {"HIGHLIGHTER", "ComdIsBold", "1"},      {"HIGHLIGHTER", "StringIsBold", "0"},
                   {"txfont", "Color", "-2147483640"}});
    EXPECT_TRUE(messages.empty());
}

TEST_F(StartupSettings, SecondStartReadsTheValuesBackIntoTheLiveObjects)
{
    writeConfig("[options]\r\nshowrow=0\r\nwrap=1\r\nshowcmd=0\r\nshowbar=0\r\ncmdhotkey=0x4020\r\n"
                "BigToolbarButtons=0\r\nsmblock=1\r\nbgcolour=$00C0FFFF\r\nSelBackground=clInfoBk\r\n"
                "OFPpath=C:\\Games\\OFP\\FlashpointResistance.exe\r\nSaveBeforeRun=1\r\nTabsToSpaces=1\r\n"
                "armamode=1\r\n[HIGHLIGHTER]\r\nForegroundBr=clBlue\r\nComdColor=$000000FF\r\nComdIsBold=0\r\n"
                "VarIsItalic=1\r\n[txfont]\r\nName=DejaVu Sans Mono\r\nSize=14\r\nStyle=1\r\n");
    start();
    EXPECT_FALSE(Form1->N4->isChecked());
    EXPECT_FALSE(EditorLook::gutterVisible(Form1->SynEdit1));
    EXPECT_TRUE(Form1->N54->isChecked());
    EXPECT_TRUE(EditorLook::wordWrap(Form1->SynEdit1));
    EXPECT_FALSE(Form1->N36->isChecked());
    EXPECT_TRUE(Form1->Panel1->isHidden());
    EXPECT_TRUE(Form1->ToolBar1->isHidden());
    EXPECT_EQ(Form1->SynCompletionProposal1->ShortCut, 0x4020);
    EXPECT_TRUE(Form1->N85->isChecked());
    EXPECT_TRUE(Form1->N66->isChecked());
    EXPECT_EQ(Form1->Look.Color, 0x00C0FFFF);
    EXPECT_EQ(Form1->Look.SelBackground, Colors::clInfoBk);
    EXPECT_EQ(Form1->Look.Font.family(), QString("DejaVu Sans Mono"));
    EXPECT_TRUE(Form1->Look.Font.bold());
    EXPECT_EQ(OFPExePath, QString("C:\\Games\\OFP\\FlashpointResistance.exe"));
    EXPECT_TRUE(SaveBeforeRunFlag);
    EXPECT_TRUE(GetTabsToSpaces());
    EXPECT_EQ(BracketFgColor, Colors::clBlue);
    EXPECT_TRUE(Form1->ArmA1->isChecked());
    EXPECT_EQ(Form1->SQSHighlighter->KeyAttri->Foreground(), 0x000000FF);
    EXPECT_FALSE(Form1->SQSHighlighter->KeyAttri->Style().testFlag(Attr::fsBold));
    EXPECT_TRUE(Form1->SQSHighlighter->UnderlineAttri->Style().testFlag(Attr::fsItalic));

    ASSERT_TRUE(closeMain());
    expectWritten({{"options", "showrow", "0"},         {"options", "cmdhotkey", "16416"},
                   {"options", "bgcolour", "$00C0FFFF"}, {"options", "SelBackground", "clInfoBk"},
                   {"options", "armamode", "1"},        {"options", "smblock", "1"},
                   {"HIGHLIGHTER", "ComdColor", "clRed"}, {"txfont", "Size", "14"}});
}

TEST_F(StartupSettings, CancelAtTheCloseQuestionKeepsEverythingAndWritesNothing)
{
    start();
    Form1->SynEdit1->setText("changed");
    Form1->SynEdit1->setModified(true);
    answers = {Dialogs::Answer::Cancel};
    EXPECT_FALSE(closeMain());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QString("Текст изменен. Сохранить изменения ?"));
    EXPECT_EQ(messages[0].caption, QString("Вопрос"));
    EXPECT_FALSE(QFile::exists(configPath()));
    EXPECT_EQ(Form1->SynEdit1->text(), QString("changed"));
    EXPECT_EQ(WeaponList, QStringList({"M16", "AK47"})); // still valid after a refused close

    answers = {Dialogs::Answer::No};
    EXPECT_TRUE(closeMain());
    EXPECT_TRUE(QFile::exists(configPath()));
}

TEST_F(StartupSettings, ABadValueIsReportedOnceAndStartUpGoesOn)
{
    writeConfig("[options]\r\nbgcolour=yellow\r\nshowrow=yes\r\narmamode=1\r\n[HIGHLIGHTER]\r\nCifrColor=clLime\r\n");
    start({path("templates/patrol.sqs")});
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QString("'yellow' is not a valid integer value"));
    EXPECT_EQ(Form1->Look.Color, Colors::clWindow);
    EXPECT_TRUE(Form1->N4->isChecked()); // a showrow that is no number shows the line numbers
    EXPECT_TRUE(EditorLook::gutterVisible(Form1->SynEdit1));
    EXPECT_EQ(gamePanel(), QString("ArmA"));
    EXPECT_EQ(Form1->SQSHighlighter->NumberAttri->Foreground(), Colors::clLime);
    EXPECT_EQ(Form1->N45->actions().size(), 2);
    EXPECT_EQ(Form1->windowTitle(), QString("patrol.sqs - Velmora"));
}

TEST_F(StartupSettings, AnUnwritableConfigIsReportedAndTheProgramStillCloses)
{
    start();
    QDir().mkpath(configPath()); // a folder where the file should be
    EXPECT_TRUE(closeMain());
    ASSERT_FALSE(messages.empty());
    EXPECT_TRUE(messages[0].text.startsWith("Unable to write to ")) << messages[0].text.toStdString();
}

TEST_F(StartupSettings, TemplateMenuListsTheFilesAndHidesWhenThereAreNone)
{
    start();
    QStringList captions;
    for (QAction *a : Form1->N45->actions())
        captions.append(a->text());
    captions.sort();
    EXPECT_EQ(captions, QStringList({"hello.sqs", "patrol.sqs"}));
    EXPECT_TRUE(Form1->N45->menuAction()->isVisible());
    windows.reset();

    QDir(path("templates")).removeRecursively();
    start();
    EXPECT_FALSE(Form1->N45->menuAction()->isVisible());
}

TEST_F(StartupSettings, CommandLineExtensionPicksTheCommentStyle)
{
    writeConfig("[options]\r\nSQScomments=1\r\n[HIGHLIGHTER]\r\nCommColor=clGreen\r\nCommIsBold=1\r\n");
    put("a.SQF", "// x");
    start({path("a.SQF")});
    EXPECT_FALSE(SQSCommentMode);
    EXPECT_EQ(Form1->SQSHighlighter->DSLAttri->Foreground(), Colors::clGreen);
    EXPECT_TRUE(Form1->SQSHighlighter->SdotAttri->Style().testFlag(Attr::fsBold));
    EXPECT_EQ(Form1->SQSHighlighter->CommentAttri->Foreground(), Colors::clNone);
    windows.reset();

    put("b.txt", "x");
    start({path("b.txt")});
    EXPECT_TRUE(SQSCommentMode);
    EXPECT_EQ(Form1->SQSHighlighter->CommentAttri->Foreground(), Colors::clGreen);
    windows.reset();

    start({path("gone.sqf")}); // a missing file is reported and leaves a new text
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.startsWith("Cannot open file \""));
    EXPECT_EQ(Form1->windowTitle(), QString("Новый - Velmora"));
    EXPECT_TRUE(SQSCommentMode);
}

TEST_F(StartupSettings, SqsCommentsOffWithoutColourNeutralisesTheCStyle)
{
    writeConfig("[options]\r\nSQScomments=0\r\n");
    start();
    EXPECT_FALSE(SQSCommentMode);
    EXPECT_EQ(Form1->SQSHighlighter->DSLAttri->Foreground(), Colors::clNone);
    EXPECT_FALSE(Form1->SQSHighlighter->DSLAttri->Style().testFlag(Attr::fsBold));
    EXPECT_FALSE(Form1->SQSHighlighter->SdotAttri->Style().testFlag(Attr::fsItalic));
    // A run that never touches the comment style writes back what it read.
    ASSERT_TRUE(closeMain());
    expectWritten({{"options", "SQScomments", "0"}});
}
