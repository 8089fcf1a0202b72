// The speed bar's stored layout: which items are placed on the bar, in order, and which are known
// but left off, so that an item added in a later version keeps its default state.
#pragma once

#include <QString>
#include <QStringList>

class IniFile;

struct SpeedBarLayout
{
    QStringList placed; // object names of the items on the bar, left to right
    QStringList hidden; // object names of the known items that are not on the bar

    // Count, Button0..; Hidden, Hidden0.. Nothing when the section holds no layout.
    static bool read(const IniFile &ini, const QString &section, SpeedBarLayout *layout);
    // Erases the section, then writes the bar's keys and the layout.
    void write(IniFile &ini, const QString &section, int width, int pixelsPerInch, int buttonSize) const;

    // Whether an item shows: placed items do, hidden ones do not, an item the layout does not
    // name (saved before it existed) keeps its default.
    bool isPlaced(const QString &name, bool byDefault) const;
};
