// Start-up and shutdown of the main window with config.ini: orders, defaults, refusals.
#include "AppFixture.h"

using Attr = LexerAttributes;

using StartupSettings = AppFixture;

TEST_F(StartupSettings, FirstStartWithoutConfigWritesEverySectionAndKeyInOrder)
{
    start();
    EXPECT_EQ(mainWindow()->windowTitle(), QString("Новый - Velmora"));
    EXPECT_TRUE(mainWindow()->document().path().isEmpty());
    EXPECT_FALSE(mainWindow()->modified());
    ASSERT_TRUE(closeMain());
    // The live objects' settings, as the core tests pin them, then the window's placement.
    EXPECT_TRUE(matchesGolden(writtenSettings(), "first-start-config.ini"));
    const QString placements = config().mid(writtenSettings().size());
    EXPECT_TRUE(placements.startsWith("[position]\r\n") && placements.count(u'[') == 2) << placements.toStdString();
    EXPECT_TRUE(placements.contains("\r\n[position\\TForm1ToolBar1]\r\n"));
    EXPECT_TRUE(messages.empty());
}

// Every key, none at its default, is read into the live objects, which show it, and is written
// back from them as it was.
TEST_F(StartupSettings, SecondStartReadsEveryKeyIntoTheLiveObjectsAndWritesItBack)
{
    writeConfig(loadFileToString(goldenPath("second-start-config.ini")));
    start();
    EXPECT_FALSE(EditorLook::gutterVisible(editor()));
    EXPECT_TRUE(EditorLook::wordWrap(editor()));
    EXPECT_TRUE(find(kCommandPanel)->isHidden());
    EXPECT_TRUE(find<QToolBar>("ToolBar1")->isHidden());
    EXPECT_EQ(editor()->SendScintilla(QsciScintillaBase::SCI_GETSELECTIONMODE), QsciScintillaBase::SC_SEL_RECTANGLE);
    EXPECT_EQ(editor()->font().family(), QString("DejaVu Sans Mono"));
    EXPECT_EQ(gamePanel(), QString("ArmA"));
    ASSERT_TRUE(closeMain());
    EXPECT_TRUE(matchesGolden(writtenSettings(), "second-start-config.ini"));
}

TEST_F(StartupSettings, TheViewChosenInTheMenusIsWrittenAtTheClose)
{
    start();
    for (const char *item : {kLineNumbers, kWordWrap, kShowBar, kShowCommandPanel, kSmallButtons, kColumnSelection})
        action(item)->trigger();
    ASSERT_TRUE(closeMain());
    for (const char *key : {"showrow=0", "BigToolbarButtons=0", "showbar=0", "wrap=1", "showcmd=0", "smblock=1"})
        EXPECT_TRUE(config().contains(QLatin1String(key) + "\r\n")) << key;
}

TEST_F(StartupSettings, CancelAtTheCloseQuestionKeepsEverythingAndWritesNothing)
{
    start();
    editor()->setText("changed");
    editor()->setModified(true);
    answers = {Dialogs::Answer::Cancel};
    EXPECT_FALSE(closeMain());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, QString("Вопрос"));
    EXPECT_EQ(onlyMessage(Dialogs::Kind::Question), QString("Текст изменен. Сохранить изменения ?"));
    EXPECT_FALSE(QFile::exists(configPath()));
    EXPECT_EQ(editor()->text(), QString("changed"));
    EXPECT_EQ(mainWindow()->gameData().weapons, QStringList({"M16", "AK47"})); // still valid after a refused close
    answers = {Dialogs::Answer::No};
    EXPECT_TRUE(closeMain());
    EXPECT_TRUE(QFile::exists(configPath()));
}

TEST_F(StartupSettings, ABadValueIsReportedOnceAndStartUpGoesOn)
{
    writeConfig("[options]\r\nbgcolour=yellow\r\nshowrow=yes\r\narmamode=1\r\n[HIGHLIGHTER]\r\nCifrColor=clLime\r\n");
    start({path("templates/patrol.sqs")});
    EXPECT_EQ(takeMessages(), QStringList("'yellow' is not a valid integer value"));
    EXPECT_EQ(mainWindow()->look().color, Colors::clWindow);
    EXPECT_TRUE(action(kLineNumbers)->isChecked()); // a showrow that is no number shows the line numbers
    EXPECT_TRUE(EditorLook::gutterVisible(editor()));
    EXPECT_EQ(gamePanel(), QString("ArmA"));
    EXPECT_EQ(mainWindow()->lexer()->number->foreground(), Colors::clLime);
    EXPECT_EQ(menu(kTemplatesMenu)->actions().size(), 2);
    EXPECT_EQ(mainWindow()->windowTitle(), QString("patrol.sqs - Velmora"));
}

TEST_F(StartupSettings, TheCommentStyleComesFromTheSettingThenTheFilesExtension)
{
    writeConfig("[options]\r\nSQScomments=0\r\n"); // and no comment colour
    start();
    EXPECT_FALSE(mainWindow()->lexer()->sqsComments());
    EXPECT_EQ(mainWindow()->lexer()->lineComment->foreground(), Colors::clNone);
    EXPECT_FALSE(mainWindow()->lexer()->lineComment->style().testFlag(Attr::Bold));
    EXPECT_FALSE(mainWindow()->lexer()->blockComment->style().testFlag(Attr::Italic));
    ASSERT_TRUE(closeMain()); // a run that never touches the comment style writes back what it read
    EXPECT_TRUE(config().contains("\r\nSQScomments=0\r\n"));
    windows.reset();
    writeConfig("[options]\r\nSQScomments=1\r\n[HIGHLIGHTER]\r\nCommColor=clGreen\r\nCommIsBold=1\r\n");
    startWith("a.SQF", "// x");
    EXPECT_FALSE(mainWindow()->lexer()->sqsComments());
    EXPECT_EQ(mainWindow()->lexer()->lineComment->foreground(), Colors::clGreen);
    EXPECT_TRUE(mainWindow()->lexer()->blockComment->style().testFlag(Attr::Bold));
    EXPECT_EQ(mainWindow()->lexer()->sqsComment->foreground(), Colors::clNone);
    windows.reset();
    startWith("b.txt", "x");
    EXPECT_TRUE(mainWindow()->lexer()->sqsComments());
    EXPECT_EQ(mainWindow()->lexer()->sqsComment->foreground(), Colors::clGreen);
}

// Its name is kept, and Save creates it.
TEST_F(StartupSettings, AMissingFileNamedOnTheCommandLineIsCreated)
{
    start({path("new.sqf")});
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(mainWindow()->windowTitle(), QString("new.sqf - Velmora"));
    EXPECT_EQ(mainWindow()->document().path(), path("new.sqf"));
    EXPECT_FALSE(mainWindow()->lexer()->sqsComments());
    type("hint \"x\";");
    ASSERT_TRUE(mainWindow()->save());
    EXPECT_EQ(bytes("new.sqf"), QByteArray("hint \"x\";"));
}

// It leaves no name that Save could overwrite.
TEST_F(StartupSettings, AFileNamedOnTheCommandLineThatCannotBeReadIsNotTaken)
{
    QDir(dir.path()).mkdir("folder.sqs");
    start({path("folder.sqs")});
    EXPECT_TRUE(onlyMessage(Dialogs::Kind::Error).startsWith("Cannot open file \""));
    EXPECT_EQ(mainWindow()->windowTitle(), QString("Новый - Velmora"));
    EXPECT_TRUE(mainWindow()->document().path().isEmpty());
}
