// Start-up and shutdown of the main window with config.ini: orders, defaults, refusals.
#include "AppFixture.h"

#include <QToolBar>

#include "editor/ScriptLexer.h"
#include "reference/CompletionList.h"
#include "settings/IniFile.h"

#include <array>

using Attr = LexerAttributes;

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
    EXPECT_EQ(mainWindow()->windowTitle(), QString("Новый - Velmora"));
    EXPECT_TRUE(ProgramState::currentFileName.isEmpty());
    EXPECT_FALSE(mainWindow()->modified());
    ASSERT_TRUE(closeMain());
    // The live objects' settings, as the core tests pin them, then the window's placement.
    const QByteArray written = bytes("config.ini");
    EXPECT_TRUE(matchesGolden(written.first(written.indexOf("[position]")), "first-start-config.ini"));
    EXPECT_EQ(sections().mid(3), QStringList({"position", "position\\TForm1ToolBar1"}));
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
    EXPECT_FALSE(action("N4")->isChecked());
    EXPECT_FALSE(EditorLook::gutterVisible(editor()));
    EXPECT_TRUE(action("N54")->isChecked());
    EXPECT_TRUE(EditorLook::wordWrap(editor()));
    EXPECT_FALSE(action("N36")->isChecked());
    EXPECT_TRUE(find("Panel1")->isHidden());
    EXPECT_TRUE(find<QToolBar>("ToolBar1")->isHidden());
    EXPECT_EQ(mainWindow()->completion()->shortcutCode, 0x4020);
    EXPECT_TRUE(action("N85")->isChecked());
    EXPECT_TRUE(action("N66")->isChecked());
    EXPECT_EQ(mainWindow()->look().color, 0x00C0FFFF);
    EXPECT_EQ(mainWindow()->look().selBackground, Colors::clInfoBk);
    EXPECT_EQ(mainWindow()->look().font.family(), QString("DejaVu Sans Mono"));
    EXPECT_TRUE(mainWindow()->look().font.bold());
    EXPECT_EQ(ProgramState::ofpExePath, QString("C:\\Games\\OFP\\FlashpointResistance.exe"));
    EXPECT_TRUE(ProgramState::saveBeforeRun);
    EXPECT_FALSE(editor()->indentationsUseTabs()); // tabs become blanks
    EXPECT_EQ(ProgramState::bracketFgColor, Colors::clBlue);
    EXPECT_TRUE(action("ArmA1")->isChecked());
    EXPECT_EQ(mainWindow()->lexer()->keyword->foreground(), 0x000000FF);
    EXPECT_FALSE(mainWindow()->lexer()->keyword->style().testFlag(Attr::Bold));
    EXPECT_TRUE(mainWindow()->lexer()->variable->style().testFlag(Attr::Italic));

    ASSERT_TRUE(closeMain());
    expectWritten({{"options", "showrow", "0"},         {"options", "cmdhotkey", "16416"},
                   {"options", "bgcolour", "$00C0FFFF"}, {"options", "SelBackground", "clInfoBk"},
                   {"options", "armamode", "1"},        {"options", "smblock", "1"},
                   {"HIGHLIGHTER", "ComdColor", "clRed"}, {"txfont", "Size", "14"}});
}

TEST_F(StartupSettings, CancelAtTheCloseQuestionKeepsEverythingAndWritesNothing)
{
    start();
    editor()->setText("changed");
    editor()->setModified(true);
    answers = {Dialogs::Answer::Cancel};
    EXPECT_FALSE(closeMain());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QString("Текст изменен. Сохранить изменения ?"));
    EXPECT_EQ(messages[0].caption, QString("Вопрос"));
    EXPECT_FALSE(QFile::exists(configPath()));
    EXPECT_EQ(editor()->text(), QString("changed"));
    EXPECT_EQ(ProgramState::weaponList, QStringList({"M16", "AK47"})); // still valid after a refused close

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
    EXPECT_EQ(mainWindow()->look().color, Colors::clWindow);
    EXPECT_TRUE(action("N4")->isChecked()); // a showrow that is no number shows the line numbers
    EXPECT_TRUE(EditorLook::gutterVisible(editor()));
    EXPECT_EQ(gamePanel(), QString("ArmA"));
    EXPECT_EQ(mainWindow()->lexer()->number->foreground(), Colors::clLime);
    EXPECT_EQ(menu("N45")->actions().size(), 2);
    EXPECT_EQ(mainWindow()->windowTitle(), QString("patrol.sqs - Velmora"));
}

TEST_F(StartupSettings, TheCommentStyleComesFromTheSettingThenTheFilesExtension)
{
    writeConfig("[options]\r\nSQScomments=0\r\n"); // and no comment colour
    start();
    EXPECT_FALSE(ProgramState::sqsCommentMode);
    EXPECT_EQ(mainWindow()->lexer()->lineComment->foreground(), Colors::clNone);
    EXPECT_FALSE(mainWindow()->lexer()->lineComment->style().testFlag(Attr::Bold));
    EXPECT_FALSE(mainWindow()->lexer()->blockComment->style().testFlag(Attr::Italic));
    ASSERT_TRUE(closeMain()); // a run that never touches the comment style writes back what it read
    expectWritten({{"options", "SQScomments", "0"}});
    windows.reset();

    writeConfig("[options]\r\nSQScomments=1\r\n[HIGHLIGHTER]\r\nCommColor=clGreen\r\nCommIsBold=1\r\n");
    put("a.SQF", "// x");
    start({path("a.SQF")});
    EXPECT_FALSE(ProgramState::sqsCommentMode);
    EXPECT_EQ(mainWindow()->lexer()->lineComment->foreground(), Colors::clGreen);
    EXPECT_TRUE(mainWindow()->lexer()->blockComment->style().testFlag(Attr::Bold));
    EXPECT_EQ(mainWindow()->lexer()->sqsComment->foreground(), Colors::clNone);
    windows.reset();

    put("b.txt", "x");
    start({path("b.txt")});
    EXPECT_TRUE(ProgramState::sqsCommentMode);
    EXPECT_EQ(mainWindow()->lexer()->sqsComment->foreground(), Colors::clGreen);
}

TEST_F(StartupSettings, ACommandLineFileThatIsMissingIsCreatedOneThatCannotBeReadIsNot)
{
    // A new file named on the command line: its name is kept, and Save creates it.
    start({path("new.sqf")});
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(mainWindow()->windowTitle(), QString("new.sqf - Velmora"));
    EXPECT_EQ(ProgramState::currentFileName, path("new.sqf"));
    EXPECT_FALSE(ProgramState::sqsCommentMode);
    type("hint \"x\";");
    ASSERT_TRUE(mainWindow()->save());
    EXPECT_EQ(bytes("new.sqf"), QByteArray("hint \"x\";"));
    windows.reset();

    // A file that exists but cannot be read leaves no name that Save could overwrite.
    QDir(dir.path()).mkdir("folder.sqs");
    start({path("folder.sqs")});
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.startsWith("Cannot open file \""));
    EXPECT_EQ(mainWindow()->windowTitle(), QString("Новый - Velmora"));
    EXPECT_TRUE(ProgramState::currentFileName.isEmpty());
}
