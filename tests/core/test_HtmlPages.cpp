// briefing.html and overview.html texts, the marker link, the picture-size rule and the JPEG size reader.
#include "../JpegMaker.h"
#include "../TestUtil.h"
#include "wizards/BriefingPage.h"
#include "wizards/JpegSize.h"
#include "wizards/OverviewPage.h"

#include <jerror.h>

TEST(BriefingPage, MatchesTheGoldenPages)
{
    EXPECT_TRUE(matchesGolden(buildBriefingPage(BriefingForm{}).toUtf8(), "briefing-empty.html"));
    const BriefingForm form{.notes = "a1\r\na2", .plan = "p", .objectiveOn = {true, true},
                            .objectives = {"o1", "o2", "unchecked, left out"},
                            .endings = {{{true, "t", "e"}, {false, "t2", "e2"}}}};
    EXPECT_TRUE(matchesGolden(buildBriefingPage(form).toUtf8(), "briefing.html")); // the ArmA save's bytes
}

// Texts go in as typed, each line break with a <br>; a title is one line as typed: no <br> added.
TEST(BriefingPage, TypedBreaksGetABrExceptInTitles)
{
    BriefingForm typed;
    typed.objectiveOn[0] = true;
    typed.objectives[0] = QStringLiteral("a<b\r\nx & y\r\n");
    typed.endings[0] = {true, QStringLiteral("Win\r\nall"), QString()};
    const QString typedPage = buildBriefingPage(typed);
    EXPECT_TRUE(typedPage.contains(QStringLiteral("OBJ_1\"></a>\r\na<b<br>\r\nx & y<br>\r\n\r\n</p><hr>")));
    EXPECT_TRUE(typedPage.contains(QStringLiteral("End1\">\r\nWin\r\nall\r\n</a>")));
}

TEST(BriefingPage, MarkerLinkPointsAtTheMarker)
{
    EXPECT_EQ(markerLink(u"База"_qs, QStringLiteral("a b")), u"<a href = \"marker:a b\">База</a>"_qs);
}

TEST(OverviewPage, MatchesTheGoldenPage)
{
    const OverviewForm form{.missionName = u"Операция Рассвет"_qs, .description = "First line\r\nSecond & <last>",
                            .picture = "my pic.jpg", .width = 512, .height = -3};
    EXPECT_TRUE(matchesGolden(buildOverviewPage(form).toUtf8(), "overview.html"));
}

TEST(OverviewPage, EmptyDescriptionLeavesAnEmptyParagraph)
{
    EXPECT_TRUE(buildOverviewPage(OverviewForm{}).contains(QStringLiteral("<p><br>\r\n\r\n<br></p>")));
}

TEST(OverviewPicture, SidesThatAreNoPowerOfTwoAreNamed)
{
    const QString width = QStringLiteral("Ширина картинки не является степенью числа 2. Текущее значение:");
    const QString height = QStringLiteral("Высота картинки не является степенью числа 2. Текущее значение:");
    const std::tuple<int, int, QString> cases[] = {
        {2, 4096, ""},
        {256, 8192, height + "8192\r\n"},
        {1, 1, width + "1\r\n" + height + "1\r\n"},
        {0, -4, width + "0\r\n" + height + "-4\r\n"},
    };
    for (const auto &[w, h, lines] : cases)
        EXPECT_EQ(OverviewPicture::sizeProblems(w, h), lines) << w << 'x' << h;
}

static const QByteArray &largeProgressive()
{
    static const QByteArray bytes = makeFlatProgressiveJpeg(8192, 8192);
    return bytes;
}

// Decoding a progressive picture holds all of it: 384 MB for one of 8192 x 8192, 25 GB for
// the fuzzed header claiming 65496 x 65496 over a few bytes of data, whose early end decoding
// only warns of. Their structure is walked instead.
TEST(JpegSize, SidesOfAPicture)
{
    for (const QSize size : {QSize(512, 256), QSize(500, 256), QSize(1, 1), QSize(37, 1000)})
        EXPECT_EQ(readJpegSize(makeJpeg(size.width(), size.height())), size);
    EXPECT_EQ(readJpegSize(largeProgressive()), QSize(8192, 8192));
    EXPECT_EQ(readJpegSize(QStringLiteral(VELMORA_SOURCE_DIR "/tests/fixtures/huge-claimed-size.jpg")), QSize(65496, 65496));
}

// The walk finds a large picture cut short as decoding finds a small one.
TEST(JpegSize, CutPictureFailsWhateverItsSize)
{
    const QByteArray progressive = makeFlatProgressiveJpeg(64, 64);
    const QString cutShort = thrown([&] { readJpegSize(progressive.left(progressive.size() - 2)); });
    EXPECT_TRUE(cutShort.startsWith(QStringLiteral("JPEG error #")));
    for (const qsizetype kept : {largeProgressive().size() - 3, largeProgressive().size() / 2})
        EXPECT_EQ(thrown([&] { readJpegSize(largeProgressive().left(kept)); }), cutShort) << kept;
}

TEST(JpegSize, UnreadablePictureIsAnError)
{
    const QByteArray good = makeJpeg(64, 64);
    const std::pair<const char *, QByteArray> broken[] = {
        {"empty", QByteArray()},
        {"a paa texture", QByteArray("\x01\x02GGATCGFF", 10)},
        {"cut inside the header", good.left(40)},
    };
    for (const auto &[name, bytes] : broken)
        EXPECT_TRUE(thrown([&] { readJpegSize(bytes); }).startsWith(QStringLiteral("JPEG error #"))) << name;
    QByteArray unknownScan = largeProgressive();
    unknownScan[unknownScan.lastIndexOf("\xFF\xDA") + 5] = 9;
    EXPECT_EQ(thrown([&] { readJpegSize(unknownScan); }), QStringLiteral("JPEG error #%1").arg(JERR_BAD_COMPONENT_ID));
    EXPECT_TRUE(thrown([&] { readJpegSize(tempFile("pic.jpg", good) + ".none"); }).startsWith("Cannot open file"));
}
