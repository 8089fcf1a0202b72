// The speed bar's catalogue and the layout the user edits in the customise window.
#include "../TestUtil.h"
#include "settings/SpeedBarCatalog.h"
#include "settings/SpeedBarLayout.h"

#include <gtest/gtest.h>

TEST(SpeedBarCatalog, SectionsAndImages)
{
    EXPECT_EQ(SpeedBarCatalog::sections(), QStringList({"Файл", "Правка", "Поиск", "Инструменты"}));
    ASSERT_EQ(SpeedBarCatalog::items().size(), 24u);
    const std::tuple<const char *, int, int> some[] = {
        {"btnNew", 0, 0}, {"SNE", 0, 3}, {"btnSettings", 0, 22}, {"btnrte", 1, 12}, {"btnSelMod", 1, 25},
        {"btnGoTo", 2, 11}, {"RunBTN", 3, 16}, {"SpeedItem1", 3, 24},
    };
    for (const auto &[name, section, image] : some) {
        const SpeedBarItem *item = SpeedBarCatalog::find(QString::fromLatin1(name));
        ASSERT_TRUE(item) << name;
        EXPECT_EQ(item->section, section) << name;
        EXPECT_EQ(item->image, image) << name;
    }
    EXPECT_EQ(SpeedBarCatalog::find(u"Retired"), nullptr);
}

TEST(SpeedBarLayout, DefaultsAndGroups)
{
    const SpeedBarLayout layout = SpeedBarLayout::defaults();
    EXPECT_EQ(layout.placed.size(), 15);
    EXPECT_EQ(layout.placed.first(), QString("btnNew"));
    EXPECT_EQ(layout.hidden, QStringList({"SNE", "btnSettings", "btnSelMod", "ToolButton2", "ToolButton3",
                                          "ToolButton4", "ToolButton5", "ToolButton6", "SpeedItem1"}));
    QStringList groupStarts;
    for (qsizetype i = 0; i < layout.placed.size() + 1; ++i)
        if (layout.startsGroup(i))
            groupStarts.append(layout.placed[i]);
    EXPECT_EQ(groupStarts, QStringList({"btnCopy", "btnFind", "RunBTN"}));
}

TEST(SpeedBarLayout, PlacingMovingAndRemoving)
{
    SpeedBarLayout layout{{"btnNew", "btnOpen", "btnSave"}, {"SNE", "btnCopy"}};
    layout.place("SNE", 1);
    EXPECT_EQ(layout.placed, QStringList({"btnNew", "SNE", "btnOpen", "btnSave"}));
    EXPECT_EQ(layout.hidden, QStringList({"btnCopy"}));
    layout.place("btnNew", 3); // moved right: before btnSave
    EXPECT_EQ(layout.placed, QStringList({"SNE", "btnOpen", "btnNew", "btnSave"}));
    layout.place("btnSave", -5);
    layout.place("btnCopy", 99);
    EXPECT_EQ(layout.placed, QStringList({"btnSave", "SNE", "btnOpen", "btnNew", "btnCopy"}));
    layout.place("Retired", 0); // unknown: nothing
    layout.remove("btnNew");
    layout.remove("SNE");
    layout.remove("btnNew"); // not on the bar: nothing
    EXPECT_EQ(layout.placed, QStringList({"btnSave", "btnOpen", "btnCopy"}));
    EXPECT_EQ(layout.hidden, QStringList({"btnNew", "SNE"})); // in the catalogue's order
    EXPECT_TRUE(layout.startsGroup(2));
    EXPECT_FALSE(layout.startsGroup(1));
}

TEST(SpeedBarLayout, StoredLayoutsAreMadeWhole)
{
    // Saved by an older version: a name no longer known, a repeat, and no hidden list, so the
    // items it does not name come back as they first come, each after its neighbour.
    const SpeedBarLayout old{{"RunBTN", "Retired", "btnNew", "SNE", "btnNew"}, {"btnCopy"}};
    const SpeedBarLayout layout = SpeedBarLayout::fromStored(old);
    EXPECT_EQ(layout.placed.mid(0, 6), QStringList({"RunBTN", "btnNew", "btnOpen", "btnSave", "SNE", "btnCut"}));
    EXPECT_FALSE(layout.placed.contains("btnCopy"));
    EXPECT_FALSE(layout.placed.contains("Retired"));
    EXPECT_EQ(layout.placed.size() + layout.hidden.size(), 24);
    EXPECT_EQ(SpeedBarLayout::fromStored(SpeedBarLayout::defaults()), SpeedBarLayout::defaults());
}
