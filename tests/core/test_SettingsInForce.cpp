// The settings in force announce a change once, with what was in force before, and nothing else.
#include "settings/SettingsInForce.h"

#include <gtest/gtest.h>
#include <vector>

TEST(SettingsInForce, AnnouncesEachChangeWithTheValuesBefore)
{
    SettingsInForce settings;
    std::vector<std::pair<bool, bool>> wraps; // (now, before) of each announcement
    QObject::connect(&settings, &SettingsInForce::changed,
                     [&](const EditorSettings &now, const EditorSettings &before) {
                         wraps.emplace_back(now.wordWrap, before.wordWrap);
                     });
    settings.change([](EditorSettings &s) { s.wordWrap = true; });
    settings.change([](EditorSettings &s) { s.wordWrap = true; }); // no change: no announcement
    settings.set(EditorSettings{});
    EXPECT_EQ(wraps, (std::vector<std::pair<bool, bool>>{{true, false}, {false, true}}));
    EXPECT_FALSE(settings.values().wordWrap);
}
