// briefing.html text and the marker link.
#include "../TestUtil.h"
#include "text/Cp1251.h"
#include "wizards/BriefingPage.h"

#include <gtest/gtest.h>

// The empty page, and one with notes, a plan, two of three objectives and the one checked ending.
TEST(BriefingPage, GoldenPages)
{
    EXPECT_TRUE(matchesGolden(buildBriefingPage(BriefingForm{}).toUtf8(), "briefing-empty.html"));
    BriefingForm form;
    form.notes = QStringLiteral("a1\r\na2");
    form.plan = QStringLiteral("p");
    form.objectiveOn[0] = form.objectiveOn[1] = true;
    form.objectives[0] = QStringLiteral("o1");
    form.objectives[1] = QStringLiteral("o2");
    form.objectives[2] = QStringLiteral("unchecked, left out");
    form.endings[0] = {true, QStringLiteral("t"), QStringLiteral("e")};
    form.endings[1] = {false, QStringLiteral("t2"), QStringLiteral("e2")};
    const QString page = buildBriefingPage(form);
    EXPECT_TRUE(matchesGolden(page.toUtf8(), "briefing.html")); // the ArmA save's bytes
    EXPECT_TRUE(Cp1251::encode(page).contains("<! **** \xCF\xEB\xE0\xED >")); // "План" for OFP
}

TEST(BriefingPage, TextsAndTitlesAsTypedAndTheMarkerLink)
{
    BriefingForm form;
    form.objectiveOn[0] = true;
    form.objectives[0] = QStringLiteral("a<b\r\nx & y\r\n");
    form.endings[0] = {true, QStringLiteral("Win\r\nall"), QString()};
    const QString page = buildBriefingPage(form);
    EXPECT_TRUE(page.contains(QStringLiteral("OBJ_1\"></a>\r\na<b<br>\r\nx & y<br>\r\n\r\n</p><hr>")));
    // A title is one line as the user typed it: no <br> added.
    EXPECT_TRUE(page.contains(QStringLiteral("End1\">\r\nWin\r\nall\r\n</a>")));

    EXPECT_EQ(markerLink(QStringLiteral("Base"), QStringLiteral("m1")), QStringLiteral("<a href = \"marker:m1\">Base</a>"));
    EXPECT_EQ(markerLink(u"База"_qs, QStringLiteral("a b")), u"<a href = \"marker:a b\">База</a>"_qs);
}

