// The speed bar's layout: which items are placed on the bar, in order, and which are known but
// left off, so that an item added in a later version keeps its default state; and its stored form.
#pragma once

#include <QString>
#include <QStringList>

class IniFile;

struct SpeedBarLayout
{
    QStringList placed; // object names of the items on the bar, left to right
    QStringList hidden; // object names of the known items that are not on the bar

    // The bar as it first comes: the items shown at first, in the catalogue's order.
    static SpeedBarLayout defaults();
    // A stored layout made whole against the catalogue: unknown and repeated names dropped, an
    // item the layout does not name (saved before it existed) in its default state and place.
    static SpeedBarLayout fromStored(const SpeedBarLayout &stored);

    // Count, Button0..; Hidden, Hidden0.. Nothing when the section holds no layout.
    static bool read(const IniFile &ini, const QString &section, SpeedBarLayout *layout);
    // Erases the section, then writes the bar's keys and the layout.
    void write(IniFile &ini, const QString &section, int width, int pixelsPerInch, int buttonSize) const;

    // Puts a known item on the bar before position `index` (clamped), or moves it there.
    void place(const QString &name, qsizetype index);
    // Takes an item off the bar.
    void remove(const QString &name);
    // True when the placed item at `index` opens another section than the one before it, so the
    // bar draws a separator there.
    bool startsGroup(qsizetype index) const;

    bool operator==(const SpeedBarLayout &) const = default;

private:
    void sortHidden();
};
