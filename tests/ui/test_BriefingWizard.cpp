// The briefing wizard: the cascades of objectives and endings, the marker link, insert, save and
// clear. Objective n is the box OBJn with its memo EDn; ending n the box ENDn, EndTitlen, EndTextn.
#include "WizardFixture.h"

#include "text/Cp1251.h"
#include "wizards/BriefingPage.h"
#include "wizards/BriefingWizard.h"

constexpr const char *kInsert = "Button3";   // Вставить в редактор
constexpr const char *kMakeLink = "Button4"; // Сделать ссылку
constexpr const char *kClear = "Button5";    // Очистить
constexpr const char *kCopyLink = "Button6"; // Скопировать в буфер
constexpr const char *kPlan = "Edit1";
constexpr const char *kLinkText = "Edit3";
constexpr const char *kMarker = "Edit4";
constexpr const char *kLink = "Memo1";

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
    // Objectives 1 to `count` checked, each memo holding "o<n>" and a line break.
    void checkObjectives(int count)
    {
        for (int n = 1; n <= count; ++n) {
            box(QStringLiteral("OBJ%1").arg(n))->setChecked(true);
            memo(QStringLiteral("ED%1").arg(n))->setPlainText(QStringLiteral("o%1\n").arg(n));
        }
    }
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

// Checking an objective offers the next; unchecking one takes those after it away, their texts kept.
TEST_F(BriefingWizardTest, ObjectivesCascade)
{
    checkObjectives(5);
    EXPECT_EQ(objectiveStates(), QStringLiteral("cem cem cem cem cem e - -"));
    box("OBJ3")->setChecked(false);
    EXPECT_EQ(objectiveStates(), QStringLiteral("cem cem e - - - - -"));
    box("OBJ3")->setChecked(true);
    EXPECT_EQ(objectiveStates(), QStringLiteral("cem cem cem e - - - -"));
    EXPECT_EQ(memo("ED3")->toPlainText(), QStringLiteral("o3\n"));
}

TEST_F(BriefingWizardTest, ThePageHoldsTheCheckedObjectivesWithCrLfLineBreaks)
{
    checkObjectives(5);
    box("OBJ3")->setChecked(false);
    click(kInsert);
    EXPECT_TRUE(text().contains(QStringLiteral("OBJ_2\"></a>\r\no2<br>\r\n\r\n</p><hr>")));
    EXPECT_FALSE(text().contains(QStringLiteral("OBJ_3")));
}

TEST_F(BriefingWizardTest, EndingsCascade)
{
    box("END1")->setChecked(true);
    box("END2")->setChecked(true);
    EXPECT_TRUE(enabled("EndTitle2"));
    EXPECT_TRUE(enabled("END3"));
    box("END1")->setChecked(false);
    for (const char *name : {"EndTitle1", "EndText1", "END2", "EndTitle2", "EndText2", "END3", "EndTitle3"})
        EXPECT_FALSE(enabled(name)) << name;
    EXPECT_FALSE(box("END2")->isChecked());
}

TEST_F(BriefingWizardTest, TheMarkerLinkIsMadeOfItsTextAndMarker)
{
    EXPECT_FALSE(enabled(kMakeLink));
    setText(kLinkText, QStringLiteral("Base"));
    EXPECT_FALSE(enabled(kMakeLink));
    setText(kMarker, QStringLiteral("m1"));
    EXPECT_FALSE(enabled(kCopyLink));
    click(kMakeLink);
    EXPECT_EQ(fieldText(kLink), QStringLiteral("<a href = \"marker:m1\">Base</a>"));
    click(kCopyLink);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("<a href = \"marker:m1\">Base</a>"));
}

TEST_F(BriefingWizardTest, ClearEmptiesTheObjectivesTheEndingsAndTheLink)
{
    checkObjectives(3);
    box("END1")->setChecked(true);
    setText(kLinkText, QStringLiteral("Base"));
    setText(kMarker, QStringLiteral("m1"));
    click(kMakeLink);
    click(kClear);
    EXPECT_EQ(objectiveStates(), QStringLiteral("e - - - - - - -"));
    EXPECT_EQ(memo("ED3")->toPlainText(), QString());
    EXPECT_TRUE(enabled("END1"));
    EXPECT_FALSE(box("END1")->isChecked());
    EXPECT_FALSE(enabled(kMakeLink));
    EXPECT_FALSE(enabled(kCopyLink));
}

TEST_F(BriefingWizardTest, InsertWritesThePageAtTheCaretAndCloses)
{
    click(kInsert);
    EXPECT_EQ(text(), buildBriefingPage(BriefingForm{}));
    EXPECT_EQ(takeMessages(), QStringList{u"Брифинг успешно создан и вставлен в позицию курсора."_qs});
    EXPECT_FALSE(scope->isVisible());
}

TEST_F(BriefingWizardTest, SaveWritesTheGamesEncodingUnderTheHtmlExtension)
{
    memo(kPlan)->setPlainText(QStringLiteral("План атаки"));
    mainWindow()->setGame(Game::Arma);
    saveAs(kBriefingSave, QStringLiteral("brief"));
    const QByteArray saved = bytes(QStringLiteral("brief.html"));
    EXPECT_TRUE(saved.contains(u"\r\nПлан атаки\r\n"_qs.toUtf8()));
    EXPECT_FALSE(saved.startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(onlyMessage(Dialogs::Kind::Plain), QStringLiteral("Брифинг сохранен."));
    EXPECT_FALSE(scope->isVisible());
    scope->show();
    mainWindow()->setGame(Game::Ofp);
    saveAs(kBriefingSave, QStringLiteral("briefing.html"));
    EXPECT_EQ(bytes(QStringLiteral("briefing.html")), Cp1251::encode(QString::fromUtf8(saved)));
}
