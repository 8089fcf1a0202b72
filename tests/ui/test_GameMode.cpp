// The game switch and the comment styles, as the main window shows them.
#include "AppFixture.h"

#include "gamedata/SynSQSHighlighter.h"
#include "mainwindow/TColorBox.h"
#include "mainwindow/TSynCompletionProposal.h"
#include "mainwindow/Unit7.h"

#include <QCheckBox>
#include <QRadioButton>

class GameMode : public AppFixture
{
protected:
    static int firstStyle()
    {
        Form1->SynEdit1->SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0L, -1L);
        return int(Form1->SynEdit1->SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, 0L));
    }
    void expectGame(const char *panel, bool arma)
    {
        EXPECT_EQ(gamePanel(), QString(panel));
        EXPECT_EQ(Form1->ArmA1->isChecked(), arma);
        EXPECT_EQ(Form1->OFP1->isChecked(), !arma);
    }
};

TEST_F(GameMode, SwitchingLoadsTheGamesSectionsAndBack)
{
    start();
    expectGame("OFP", false);
    Form1->SynEdit1->setText("setVehicleInit hint");
    EXPECT_EQ(firstStyle(), int(tkIdentifier));
    LastPRIndex = 3;
    LastHGIndex = 2;

    Form1->ArmA1->trigger();
    expectGame("ArmA", true);
    EXPECT_EQ(Form1->N53->text(), QString("Запустить/Развернуть ArmA   "));
    EXPECT_EQ(Form1->RunBTN->property("ImageIndex").toInt(), 16);
    EXPECT_EQ(Form1->SynCompletionProposal1->InsertList, QStringList({"hint", "addWeapon", "setVehicleInit"}));
    EXPECT_EQ(Form1->SynCompletionProposal1->ItemList.size(), 3);
    EXPECT_EQ(WeaponList, QStringList({"M16A2"}));
    EXPECT_EQ(MagazineList, QStringList({"30Rnd_556x45_Stanag", "HandGrenadeTimed"}));
    EXPECT_EQ(AnimationList, QStringList({"AmovPercMstpSnonWnonDnon"}));
    EXPECT_EQ(LastPRIndex, 0);
    EXPECT_EQ(LastHGIndex, 0);
    EXPECT_EQ(firstStyle(), int(tkKey));

    for (int again = 0; again < 2; ++again) { // the game in force, chosen again, stays checked
        Form1->OFP1->trigger();
        expectGame("OFP", false);
    }
    EXPECT_EQ(Form1->N53->text(), QString("Запустить/Развернуть OFP   "));
    EXPECT_EQ(Form1->RunBTN->property("ImageIndex").toInt(), 15);
    EXPECT_EQ(WeaponList, QStringList({"M16", "AK47"}));
    EXPECT_EQ(MagazineList, QStringList({"M16", "AK47", "HandGrenade"}));
    EXPECT_EQ(firstStyle(), int(tkIdentifier));
    EXPECT_TRUE(messages.empty());
}

TEST_F(GameMode, ASwitchTurnsHighlightingBackOnButLeavesTheMenuUnchecked)
{
    start();
    Form1->SynEdit1->setText("hint");
    Form1->N77->trigger();
    EXPECT_FALSE(Form1->N77->isChecked());
    EXPECT_FALSE(Form1->SQSHighlighter->enabled());
    EXPECT_EQ(firstStyle(), int(TSynSQSHighlighter::PlainStyle));
    Form1->ArmA1->trigger();
    EXPECT_TRUE(Form1->SQSHighlighter->enabled());
    EXPECT_FALSE(Form1->N77->isChecked());
    EXPECT_EQ(firstStyle(), int(tkKey));
}

TEST_F(GameMode, AMissingDataFileIsReportedOncePerSwitch)
{
    start();
    QFile::remove(path("data/data.dat"));
    Form1->ArmA1->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, QString("Ошибка"));
    EXPECT_EQ(messages[0].text, QString("Файл \"%1\" не найден. Операция прервана.").arg(path("data/data.dat")));
    expectGame("ArmA", true);
    EXPECT_TRUE(WeaponList.isEmpty());
    EXPECT_TRUE(Form1->SynCompletionProposal1->InsertList.isEmpty());
}

TEST_F(GameMode, AnUnreadableDataFileKeepsThePreviousGame)
{
    start();
    QFile::remove(path("data/data.dat"));
    QDir().mkpath(path("data/data.dat")); // exists, but cannot be read as a file
    Form1->ArmA1->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.startsWith("Cannot open file"));
    expectGame("OFP", false);
    EXPECT_EQ(WeaponList, QStringList({"M16", "AK47"}));
}

TEST_F(GameMode, CommentStyleSwitchCarriesTheColourAndNeutralisesTheOther)
{
    start();
    TSynSQSHighlighter &h = *Form1->SQSHighlighter;
    h.IdentifierAttri->SetStyle(TSynHighlighterAttributes::fsBold);
    ASSERT_TRUE(SQSCommentMode);
    EXPECT_EQ(h.CommentAttri->Foreground(), Colors::clGray);

    Form1->SetComment(false);
    EXPECT_FALSE(SQSCommentMode);
    EXPECT_EQ(h.DSLAttri->Foreground(), Colors::clGray);
    EXPECT_EQ(h.SdotAttri->Foreground(), Colors::clGray);
    EXPECT_TRUE(h.SdotAttri->Style().testFlag(TSynHighlighterAttributes::fsItalic));
    EXPECT_EQ(h.CommentAttri->Foreground(), Colors::clNone);
    EXPECT_EQ(h.CommentAttri->Style(), h.IdentifierAttri->Style());
    EXPECT_TRUE(Form7->SQSC->isChecked()); // the style in force before the switch

    Form1->SetComment(true);
    EXPECT_TRUE(SQSCommentMode);
    EXPECT_EQ(h.CommentAttri->Foreground(), Colors::clGray);
    EXPECT_TRUE(h.CommentAttri->Style().testFlag(TSynHighlighterAttributes::fsItalic));
    EXPECT_EQ(h.DSLAttri->Foreground(), Colors::clNone);
    EXPECT_EQ(h.DSLAttri->Style(), h.IdentifierAttri->Style());
    EXPECT_TRUE(Form7->SQFC->isChecked());

    // From the settings dialog: its controls as the user left them.
    Form7->COMM->setSelected(Colors::clRed);
    Form7->COMMB->setChecked(true);
    Form7->COMMI->setChecked(false);
    Form1->SetComment(false, false);
    EXPECT_EQ(h.DSLAttri->Foreground(), Colors::clRed);
    EXPECT_EQ(h.SdotAttri->Style(), TSynHighlighterAttributes::TFontStyles(TSynHighlighterAttributes::fsBold));
}
