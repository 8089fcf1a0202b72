// What the main window keeps between runs: recent files, placement rectangles, the speed bar's
// layout, and the filters of its file dialogs.
#include "settings/IniFile.h"
#include "settings/PlacementRect.h"
#include "settings/RecentFileList.h"
#include "settings/SpeedBarLayout.h"
#include "text/FileFilters.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(RecentFileList, NewestFirstWithoutTwinsAndNoMoreThanTheMaximum)
{
    RecentFileList list;
    list.setMaxFiles(3);
    for (const char *name : {"a", "b", "c", "d"})
        list.add(name);
    EXPECT_EQ(list.files(), QStringList({"d", "c", "b"}));
    EXPECT_FALSE(list.add("d")); // on top already
    EXPECT_TRUE(list.add("b"));
    EXPECT_EQ(list.files(), QStringList({"b", "d", "c"}));
    EXPECT_TRUE(list.add("B")); // another file on Linux
    EXPECT_EQ(list.files(), QStringList({"B", "b", "d"}));
    list.moveToTop(2);
    list.removeAt(1);
    list.removeAt(7); // outside: nothing
    EXPECT_EQ(list.files(), QStringList({"d", "b"}));
    list.setMaxFiles(1);
    EXPECT_EQ(list.files(), QStringList({"d"}));
    list.setMaxFiles(20);
    EXPECT_EQ(list.maxFiles(), 8);
}

TEST(RecentFileList, StoredUnderNumbersAndReadUpToTheFirstGap)
{
    QTemporaryDir dir;
    IniFile ini(dir.filePath("config.ini"));
    ini.writeString("MRU List", "1", "/m/a.sqs");
    ini.writeString("MRU List", "2", "/m/b.sqf");
    ini.writeString("MRU List", "4", "/m/d.sqs");
    RecentFileList list;
    list.setMaxFiles(8);
    list.load(ini);
    EXPECT_EQ(list.files(), QStringList({"/m/a.sqs", "/m/b.sqf"}));
    list.add("/m/c.sqs");
    list.save(ini);
    EXPECT_EQ(ini.readString("MRU List", "1", ""), QString("/m/c.sqs"));
    EXPECT_EQ(ini.readString("MRU List", "4", "?"), QString()); // the stale fourth is cleared
}

TEST(PlacementRect, RoundTripAndRefusals)
{
    const QRect r(QPoint(10, 20), QPoint(809, 619));
    EXPECT_EQ(PlacementRect::toText(r), QString("10,20,810,620"));
    EXPECT_EQ(PlacementRect::fromText("10,20,810,620"), r);
    EXPECT_EQ(PlacementRect::fromText(" -5, 0,100 ,50"), QRect(QPoint(-5, 0), QPoint(99, 49)));
    for (const char *bad : {"", "1,2,3", "1,2,3,4,5", "a,2,3,4", "10,10,10,20", "10,10,20,5"})
        EXPECT_FALSE(PlacementRect::fromText(bad).has_value()) << bad;
}

TEST(SpeedBarLayout, WrittenAndReadBackAndOlderLayoutsLoad)
{
    QTemporaryDir dir;
    IniFile ini(dir.filePath("config.ini"));
    const QString section = QStringLiteral("position\\TForm1ToolBar1");
    SpeedBarLayout none;
    EXPECT_FALSE(SpeedBarLayout::read(ini, section, &none));

    SpeedBarLayout layout{{"SNE", "btnNew"}, {"btnOpen"}}; // in the bar's order
    layout.write(ini, section, 300, 96, 28);
    SpeedBarLayout back;
    ASSERT_TRUE(SpeedBarLayout::read(ini, section, &back));
    EXPECT_EQ(back.placed, layout.placed);
    EXPECT_EQ(back.hidden, layout.hidden);
    EXPECT_EQ(ini.readInteger(section, "BtnWidth", 0), 28);

    // Written before the hidden list and before btnSave existed; one name no longer known.
    ini.eraseSection(section);
    ini.writeInteger(section, "Count", 2);
    ini.writeString(section, "Button0", "Retired");
    ini.writeString(section, "Button1", "SNE");
    ASSERT_TRUE(SpeedBarLayout::read(ini, section, &back));
    const SpeedBarLayout whole = SpeedBarLayout::fromStored(back);
    EXPECT_EQ(whole.placed.mid(0, 4), QStringList({"btnNew", "btnOpen", "btnSave", "SNE"}));
    EXPECT_TRUE(whole.placed.contains("btnSave")); // new: its default
    EXPECT_FALSE(whole.placed.contains("SpeedItem1"));
}

TEST(FileFilters, PairsBecomeQtNameFilters)
{
    EXPECT_EQ(FileFilters::toQtNameFilters("SQS|*.sqs|Все файлы|*.*"), QStringList({"SQS (*.sqs)", "Все файлы (*)"}));
    EXPECT_EQ(FileFilters::toQtNameFilters(
                  "Briefing/Overview (*.html; *.htm)|*.html; *.htm|С++  (*.cpp; *.h; *.c)|*.cpp; *.h; *.c"),
              QStringList({"Briefing/Overview (*.html *.htm)", "С++ (*.cpp *.h *.c)"}));
    EXPECT_EQ(FileFilters::toQtNameFilters("Свое расширение (*.*)|*.*"), QStringList({"Свое расширение (*)"}));
    EXPECT_EQ(FileFilters::toQtNameFilters("odd|"), QStringList({"odd ()"}));
}
