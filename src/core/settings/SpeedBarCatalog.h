// The speed bar's items: their sections, image indexes and whether they are on the bar at first.
#pragma once

#include <QString>
#include <QStringList>
#include <span>

struct SpeedBarItem
{
    const char *name; // the item's object name, as the stored layout names it
    int section;      // index into SpeedBarCatalog::sections()
    int image;        // index into the program's image list
    bool shownAtFirst;
};

namespace SpeedBarCatalog {

// "Файл", "Правка", "Поиск", "Инструменты".
const QStringList &sections();

// Every item, section by section, in the bar's first order.
std::span<const SpeedBarItem> items();

// The item of that name, or nullptr for a name no longer known.
const SpeedBarItem *find(QStringView name);

} // namespace SpeedBarCatalog
