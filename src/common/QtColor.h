// Settings-file colours ($00BBGGRR, system colours, clNone) turned into the colours Qt paints with.
#pragma once

#include "settings/ColorText.h"

#include <QColor>

// A plain colour $00BBGGRR gives QColor(RR, GG, BB); a system colour (0x80000000 | index) gives the
// matching colour of the application palette; clNone and clDefault give `noneColor`, the colour
// of whatever the caller paints by default (the editor's text or paper colour).
QColor toQColor(ColorValue tcolor, const QColor &noneColor);
