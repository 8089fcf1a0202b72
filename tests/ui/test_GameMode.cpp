// The game switch and the comment styles, as the main window shows them.
#include "EditorSteps.h"

#include "reference/CompletionList.h"

class GameMode : public EditorSteps
{
protected:
    int firstStyle() const
    {
        editor()->SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0L, -1L);
        return int(editor()->SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, 0L));
    }
    void expectGame(const char *panel, bool arma)
    {
        EXPECT_EQ(gamePanel(), QString(panel));
        EXPECT_EQ(action("ArmA1")->isChecked(), arma);
        EXPECT_EQ(action("OFP1")->isChecked(), !arma);
    }
};

TEST_F(GameMode, SwitchingLoadsTheGamesSections)
{
    expectGame("OFP", false);
    editor()->setText("setVehicleInit hint");
    EXPECT_EQ(firstStyle(), int(tkIdentifier));
    action("ArmA1")->trigger();
    expectGame("ArmA", true);
    EXPECT_EQ(action(kRunGame)->text(), QString("Запустить/Развернуть ArmA   "));
    EXPECT_EQ(action("RunBTN")->property("ImageIndex").toInt(), 16);
    EXPECT_EQ(mainWindow()->completion()->insertTexts, QStringList({"hint", "addWeapon", "setVehicleInit"}));
    EXPECT_EQ(mainWindow()->completion()->shownTexts.size(), 3);
    EXPECT_EQ(mainWindow()->gameData().weapons, QStringList({"M16A2"}));
    EXPECT_EQ(mainWindow()->gameData().magazines, QStringList({"30Rnd_556x45_Stanag", "HandGrenadeTimed"}));
    EXPECT_EQ(mainWindow()->gameData().animations, QStringList({"AmovPercMstpSnonWnonDnon"}));
    EXPECT_EQ(firstStyle(), int(tkKey));
    for (int again = 0; again < 2; ++again) { // the game in force, chosen again, stays checked
        action("OFP1")->trigger();
        expectGame("OFP", false);
    }
    EXPECT_EQ(action(kRunGame)->text(), QString("Запустить/Развернуть OFP   "));
    EXPECT_EQ(action("RunBTN")->property("ImageIndex").toInt(), 15);
    EXPECT_EQ(mainWindow()->gameData().weapons, QStringList({"M16", "AK47"}));
    EXPECT_EQ(mainWindow()->gameData().magazines, QStringList({"M16", "AK47", "HandGrenade"}));
    EXPECT_EQ(firstStyle(), int(tkIdentifier));
    EXPECT_TRUE(messages.empty());
}

TEST_F(GameMode, ASwitchTurnsTheHighlightingBackOnButLeavesItsItemUnchecked)
{
    editor()->setText("setVehicleInit hint");
    action(kHighlighting)->trigger();
    EXPECT_FALSE(action(kHighlighting)->isChecked());
    EXPECT_EQ(firstStyle(), int(ScriptLexer::PlainStyle));
    action("ArmA1")->trigger();
    EXPECT_TRUE(mainWindow()->lexer()->enabled());
    EXPECT_FALSE(action(kHighlighting)->isChecked());
    EXPECT_EQ(firstStyle(), int(tkKey));
}

// Everything is read before anything changes.
TEST_F(GameMode, ADataFileThatCannotBeReadKeepsTheGameInForce)
{
    QFile::remove(path("data/data.dat"));
    QDir().mkpath(path("data/data.dat")); // exists, but cannot be read as a file
    action("ArmA1")->trigger();
    EXPECT_TRUE(onlyMessage(Dialogs::Kind::Error).startsWith("Cannot open file"));
    expectGame("OFP", false);
    EXPECT_EQ(mainWindow()->gameData().weapons, QStringList({"M16", "AK47"}));
}

TEST_F(GameMode, AMissingDataFileIsReportedAndTheNewGameComesWithEmptyLists)
{
    QFile::remove(path("data/data.dat"));
    action("ArmA1")->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, QString("Ошибка"));
    EXPECT_EQ(messages[0].text, QString("Файл \"%1\" не найден. Операция прервана.").arg(path("data/data.dat")));
    expectGame("ArmA", true);
    EXPECT_TRUE(mainWindow()->gameData().weapons.isEmpty());
    EXPECT_TRUE(mainWindow()->completion()->insertTexts.isEmpty());
}

TEST_F(GameMode, CommentStyleSwitchCarriesTheColourAndNeutralisesTheOther)
{
    ScriptLexer &h = *mainWindow()->lexer();
    h.identifier->setStyle(LexerAttributes::Bold);
    ASSERT_TRUE(mainWindow()->lexer()->sqsComments());
    EXPECT_EQ(h.sqsComment->foreground(), Colors::clGray);
    mainWindow()->setCommentStyle(false);
    EXPECT_FALSE(mainWindow()->lexer()->sqsComments());
    EXPECT_EQ(h.lineComment->foreground(), Colors::clGray);
    EXPECT_EQ(h.blockComment->foreground(), Colors::clGray);
    EXPECT_TRUE(h.blockComment->style().testFlag(LexerAttributes::Italic));
    EXPECT_EQ(h.sqsComment->foreground(), Colors::clNone);
    EXPECT_EQ(h.sqsComment->style(), h.identifier->style());
    EXPECT_TRUE(mainWindow()->settings().values().sqsComments); // the style in force before the switch
    mainWindow()->setCommentStyle(true);
    EXPECT_TRUE(mainWindow()->lexer()->sqsComments());
    EXPECT_EQ(h.sqsComment->foreground(), Colors::clGray);
    EXPECT_TRUE(h.sqsComment->style().testFlag(LexerAttributes::Italic));
    EXPECT_EQ(h.lineComment->foreground(), Colors::clNone);
    EXPECT_EQ(h.lineComment->style(), h.identifier->style());
    EXPECT_FALSE(mainWindow()->settings().values().sqsComments);
    // The switch from the settings dialog's OK is the settings dialog tests'.
}
