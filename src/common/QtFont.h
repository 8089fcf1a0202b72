// The editor's font as the settings file keeps it ("txfont"), and back.
#pragma once

#include "settings/EditorSettings.h"

#include <QFont>

// Face, size and style bits of `keys` applied over `base`; a size of 0 or less keeps the base's.
QFont toQFont(const FontKeys &keys, const QFont &base);
// The keys of `font`, with the colour and character set that a QFont does not hold.
FontKeys toFontKeys(const QFont &font, ColorValue color, int charSet);
