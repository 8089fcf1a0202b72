// The table of speed-bar items.
#include "settings/SpeedBarCatalog.h"

#include <array>

namespace {

enum Section { File, Edit, Search, Tools };

constexpr std::array<SpeedBarItem, 24> kItems = {{
    {"btnNew", File, 0, true},
    {"btnOpen", File, 1, true},
    {"btnSave", File, 2, true},
    {"SNE", File, 3, false},
    {"btnSettings", File, 22, false},
    {"btnCopy", Edit, 4, true},
    {"btnCut", Edit, 5, true},
    {"btnPaste", Edit, 6, true},
    {"btnUndo", Edit, 7, true},
    {"btnRedo", Edit, 8, true},
    {"btnrte", Edit, 12, true},
    {"btncps", Edit, 13, true},
    {"btnWrap", Edit, 14, true},
    {"btnSelMod", Edit, 25, false},
    {"btnFind", Search, 9, true},
    {"btnReplace", Search, 10, true},
    {"btnGoTo", Search, 11, true},
    {"RunBTN", Tools, 16, true},
    {"ToolButton2", Tools, 17, false},
    {"ToolButton3", Tools, 18, false},
    {"ToolButton4", Tools, 19, false},
    {"ToolButton5", Tools, 20, false},
    {"ToolButton6", Tools, 21, false},
    {"SpeedItem1", Tools, 24, false},
}};

} // namespace

namespace SpeedBarCatalog {

const QStringList &sections()
{
    static const QStringList names = {QStringLiteral("Файл"), QStringLiteral("Правка"), QStringLiteral("Поиск"),
                                      QStringLiteral("Инструменты")};
    return names;
}

std::span<const SpeedBarItem> items()
{
    return kItems;
}

const SpeedBarItem *find(QStringView name)
{
    for (const SpeedBarItem &item : kItems)
        if (name == QLatin1String(item.name))
            return &item;
    return nullptr;
}

} // namespace SpeedBarCatalog
