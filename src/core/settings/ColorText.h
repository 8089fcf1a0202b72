// Colour values as the settings file writes them: $00BBGGRR numbers, identifiers such as "clRed".
#pragma once

#include <QString>

using ColorValue = qint32;

namespace Colors {
inline constexpr ColorValue clBlack = 0x000000;
inline constexpr ColorValue clMaroon = 0x000080;
inline constexpr ColorValue clGreen = 0x008000;
inline constexpr ColorValue clOlive = 0x008080;
inline constexpr ColorValue clNavy = 0x800000;
inline constexpr ColorValue clPurple = 0x800080;
inline constexpr ColorValue clTeal = 0x808000;
inline constexpr ColorValue clGray = 0x808080;
inline constexpr ColorValue clSilver = 0xC0C0C0;
inline constexpr ColorValue clRed = 0x0000FF;
inline constexpr ColorValue clLime = 0x00FF00;
inline constexpr ColorValue clYellow = 0x00FFFF;
inline constexpr ColorValue clBlue = 0xFF0000;
inline constexpr ColorValue clFuchsia = 0xFF00FF;
inline constexpr ColorValue clAqua = 0xFFFF00;
inline constexpr ColorValue clWhite = 0xFFFFFF;
inline constexpr ColorValue clNone = 0x1FFFFFFF;
inline constexpr ColorValue clDefault = 0x20000000;
// System colours: the high bit set, the desktop colour's index in the low byte.
inline constexpr ColorValue clSystemColor = ColorValue(0x80000000u);
inline constexpr ColorValue clWindow = clSystemColor | 5;
inline constexpr ColorValue clWindowText = clSystemColor | 8;
inline constexpr ColorValue clHighlight = clSystemColor | 13;
inline constexpr ColorValue clHighlightText = clSystemColor | 14;
inline constexpr ColorValue clBtnFace = clSystemColor | 15;
inline constexpr ColorValue clInfoText = clSystemColor | 23;
inline constexpr ColorValue clInfoBk = clSystemColor | 24;

inline bool isSystemColor(ColorValue c) { return (c & clSystemColor) != 0; }
inline int systemColorIndex(ColorValue c) { return c & 0xFF; }
} // namespace Colors

// The identifier where the colour has one, else "$" and eight hex digits.
QString colorToString(ColorValue color);

// An identifier (without case) or an integer; throws AppError
// "'%s' is not a valid integer value" for anything else.
ColorValue stringToColor(QStringView text);
