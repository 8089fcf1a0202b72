// The speed bar's layout: made whole against the catalogue, edited, and kept in the settings file.
#include "settings/SpeedBarLayout.h"

#include "settings/IniFile.h"
#include "settings/SpeedBarCatalog.h"

#include <algorithm>

namespace {

QStringList readNames(const IniFile &ini, const QString &section, const QString &countKey, const QString &stem)
{
    QStringList names;
    const int count = ini.readInteger(section, countKey, 0);
    for (int i = 0; i < count && i < 1000; ++i) {
        const QString name = ini.readString(section, stem + QString::number(i), QString());
        if (!name.isEmpty())
            names.append(name);
    }
    return names;
}

void writeNames(IniFile &ini, const QString &section, const QString &countKey, const QString &stem,
                const QStringList &names)
{
    ini.writeInteger(section, countKey, int(names.size()));
    for (int i = 0; i < names.size(); ++i)
        ini.writeString(section, stem + QString::number(i), names[i]);
}

// The catalogue position of an item; unknown names sort last.
qsizetype catalogueIndex(const QString &name)
{
    const SpeedBarItem *item = SpeedBarCatalog::find(name);
    return item ? item - SpeedBarCatalog::items().data() : SpeedBarCatalog::items().size();
}

// Where an item coming back to its default place goes: after the nearest placed item that
// comes before it in the catalogue, else first.
qsizetype defaultPlace(const QStringList &placed, qsizetype catalogue)
{
    const auto items = SpeedBarCatalog::items();
    for (qsizetype i = catalogue - 1; i >= 0; --i) {
        const qsizetype at = placed.indexOf(QLatin1String(items[i].name));
        if (at >= 0)
            return at + 1;
    }
    return 0;
}

} // namespace

SpeedBarLayout SpeedBarLayout::defaults()
{
    SpeedBarLayout layout;
    for (const SpeedBarItem &item : SpeedBarCatalog::items())
        (item.shownAtFirst ? layout.placed : layout.hidden).append(QLatin1String(item.name));
    return layout;
}

SpeedBarLayout SpeedBarLayout::fromStored(const SpeedBarLayout &stored)
{
    SpeedBarLayout layout;
    for (const QString &name : stored.placed)
        if (SpeedBarCatalog::find(name) && !layout.placed.contains(name))
            layout.placed.append(name);
    const auto items = SpeedBarCatalog::items();
    for (qsizetype i = 0; i < qsizetype(items.size()); ++i) {
        const QString name = QLatin1String(items[i].name);
        if (layout.placed.contains(name))
            continue;
        if (items[i].shownAtFirst && !stored.hidden.contains(name))
            layout.placed.insert(defaultPlace(layout.placed, i), name);
        else
            layout.hidden.append(name);
    }
    return layout;
}

bool SpeedBarLayout::read(const IniFile &ini, const QString &section, SpeedBarLayout *layout)
{
    if (!ini.valueExists(section, QStringLiteral("Count")))
        return false;
    layout->placed = readNames(ini, section, QStringLiteral("Count"), QStringLiteral("Button"));
    layout->hidden = readNames(ini, section, QStringLiteral("Hidden"), QStringLiteral("Hidden"));
    return true;
}

void SpeedBarLayout::write(IniFile &ini, const QString &section, int width, int pixelsPerInch,
                           int buttonSize) const
{
    ini.eraseSection(section);
    ini.writeInteger(section, QStringLiteral("Position"), 0);
    ini.writeInteger(section, QStringLiteral("Width"), width);
    ini.writeInteger(section, QStringLiteral("Version"), 0);
    ini.writeInteger(section, QStringLiteral("PixelsPerInch"), pixelsPerInch);
    ini.writeInteger(section, QStringLiteral("BtnWidth"), buttonSize);
    ini.writeInteger(section, QStringLiteral("BtnHeight"), buttonSize);
    writeNames(ini, section, QStringLiteral("Count"), QStringLiteral("Button"), placed);
    writeNames(ini, section, QStringLiteral("Hidden"), QStringLiteral("Hidden"), hidden);
}

void SpeedBarLayout::place(const QString &name, qsizetype index)
{
    if (!SpeedBarCatalog::find(name))
        return;
    const qsizetype from = placed.indexOf(name);
    if (from >= 0) {
        placed.removeAt(from);
        if (from < index)
            --index;
    }
    hidden.removeAll(name);
    placed.insert(std::clamp<qsizetype>(index, 0, placed.size()), name);
}

void SpeedBarLayout::remove(const QString &name)
{
    if (placed.removeAll(name) == 0)
        return;
    hidden.append(name);
    sortHidden();
}

bool SpeedBarLayout::startsGroup(qsizetype index) const
{
    if (index <= 0 || index >= placed.size())
        return false;
    const SpeedBarItem *before = SpeedBarCatalog::find(placed[index - 1]);
    const SpeedBarItem *item = SpeedBarCatalog::find(placed[index]);
    return before && item && before->section != item->section;
}

void SpeedBarLayout::sortHidden()
{
    std::stable_sort(hidden.begin(), hidden.end(),
                     [](const QString &a, const QString &b) { return catalogueIndex(a) < catalogueIndex(b); });
}
