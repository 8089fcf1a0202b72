// The briefing wizard: the cascades of objectives and endings, the marker link, insert, save
// and clear.
#include "WizardFixture.h"

#include "text/Cp1251.h"
#include "wizards/BriefingPage.h"
#include "wizards/BriefingWizard.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>

class BriefingWizardTest : public WizardFixture
{
protected:
    void SetUp() override
    {
        WizardFixture::SetUp();
        start();
        open(windows->briefingWizard());
    }
    QCheckBox *box(const QString &name) { return control<QCheckBox>(name.toLatin1().constData()); }
    QPlainTextEdit *memo(const QString &name) { return control<QPlainTextEdit>(name.toLatin1().constData()); }
    // Per objective: "c" box checked, "e" box enabled, "m" memo enabled, "-" none of them.
    QString objectiveStates()
    {
        QStringList states;
        for (int n = 1; n <= 8; ++n) {
            QCheckBox *b = box(QStringLiteral("OBJ%1").arg(n));
            const QString state = QString(b->isChecked() ? "c" : "") + (b->isEnabled() ? "e" : "")
                                  + (memo(QStringLiteral("ED%1").arg(n))->isEnabled() ? "m" : "");
            states << (state.isEmpty() ? QStringLiteral("-") : state);
        }
        return states.join(u' ');
    }
};

TEST_F(BriefingWizardTest, ObjectivesAndEndingsCascadeAndTheMarkerLinkGoesToTheClipboard)
{
    for (int n = 1; n <= 5; ++n) {
        box(QStringLiteral("OBJ%1").arg(n))->setChecked(true);
        memo(QStringLiteral("ED%1").arg(n))->setPlainText(QStringLiteral("o%1\n").arg(n));
    }
    EXPECT_EQ(objectiveStates(), QStringLiteral("cem cem cem cem cem e - -"));
    box("OBJ3")->setChecked(false);
    EXPECT_EQ(objectiveStates(), QStringLiteral("cem cem e - - - - -"));
    click("Button3"); // the memo's line breaks reach the page as CR LF
    EXPECT_TRUE(text().contains(QStringLiteral("OBJ_2\"></a>\r\no2<br>\r\n\r\n</p><hr>")));
    EXPECT_FALSE(text().contains(QStringLiteral("OBJ_3")));
    box("OBJ3")->setChecked(true);
    EXPECT_EQ(objectiveStates(), QStringLiteral("cem cem cem e - - - -"));
    EXPECT_EQ(memo("ED3")->toPlainText(), QStringLiteral("o3\n"));

    box("END1")->setChecked(true);
    box("END2")->setChecked(true);
    EXPECT_TRUE(enabled("EndTitle2"));
    EXPECT_TRUE(enabled("END3"));
    box("END1")->setChecked(false);
    for (const char *name : {"EndTitle1", "EndText1", "END2", "EndTitle2", "EndText2", "END3", "EndTitle3"})
        EXPECT_FALSE(enabled(name)) << name;
    EXPECT_FALSE(box("END2")->isChecked());

    click("Button5");
    EXPECT_EQ(objectiveStates(), QStringLiteral("e - - - - - - -"));
    EXPECT_TRUE(enabled("END1"));
    EXPECT_EQ(memo("ED3")->toPlainText(), QString());

    EXPECT_FALSE(enabled("Button4"));
    setText("Edit3", QStringLiteral("Base"));
    EXPECT_FALSE(enabled("Button4"));
    setText("Edit4", QStringLiteral("m1"));
    EXPECT_FALSE(enabled("Button6"));
    click("Button4");
    EXPECT_EQ(fieldText("Memo1"), QStringLiteral("<a href = \"marker:m1\">Base</a>"));
    click("Button6");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("<a href = \"marker:m1\">Base</a>"));
    click("Button5");
    EXPECT_FALSE(enabled("Button4"));
    EXPECT_FALSE(enabled("Button6"));
}

TEST_F(BriefingWizardTest, InsertAndSaveWithTheExtensionAddedInTheGameEncoding)
{
    click("Button3");
    EXPECT_EQ(text(), buildBriefingPage(BriefingForm{}));
    EXPECT_EQ(takeMessages(), QStringList{u"Брифинг успешно создан и вставлен в позицию курсора."_qs});
    EXPECT_FALSE(scope->isVisible());

    scope->show();
    memo("Edit1")->setPlainText(QStringLiteral("План атаки"));
    mainWindow()->setGame(Game::Arma);
    saveAs("Button2", QStringLiteral("brief"));
    const QByteArray saved = bytes(QStringLiteral("brief.html"));
    EXPECT_TRUE(saved.contains("\r\n\xD0\x9F\xD0\xBB\xD0\xB0\xD0\xBD \xD0\xB0\xD1\x82\xD0\xB0\xD0\xBA\xD0\xB8\r\n"));
    EXPECT_FALSE(saved.startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(onlyMessage(Dialogs::Kind::Plain), QStringLiteral("Брифинг сохранен."));
    EXPECT_FALSE(scope->isVisible());

    scope->show();
    mainWindow()->setGame(Game::Ofp);
    saveAs("Button2", QStringLiteral("briefing.html"));
    EXPECT_EQ(bytes(QStringLiteral("briefing.html")), Cp1251::encode(QString::fromUtf8(saved)));
}

