// The speed bar's stored layout: any settings file gives a whole bar, each known item at most once.
#include "FuzzInput.h"
#include "settings/IniFile.h"
#include "settings/SpeedBarLayout.h"

#include <QSet>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const FuzzFile file(data, size, "config.ini");
    SpeedBarLayout stored;
    if (!SpeedBarLayout::read(IniFile(file.path()), QStringLiteral("position\\TForm1ToolBar1"), &stored))
        return 0;
    const SpeedBarLayout layout = SpeedBarLayout::fromStored(stored);
    const QStringList all = layout.placed + layout.hidden;
    FUZZ_CHECK(QSet<QString>(all.begin(), all.end()).size() == all.size());
    const SpeedBarLayout defaults = SpeedBarLayout::defaults();
    FUZZ_CHECK(all.size() == defaults.placed.size() + defaults.hidden.size());
    return 0;
}
