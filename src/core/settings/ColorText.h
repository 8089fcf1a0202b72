// Colour values as the settings file writes them: $00BBGGRR numbers, identifiers such as "clRed".
#pragma once

#include <QString>

using TColor = qint32;

namespace Colors {
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clDefault = 0x20000000;
// System colours: the high bit set, the desktop colour's index in the low byte.
inline constexpr TColor clSystemColor = TColor(0x80000000u);
inline constexpr TColor clWindow = clSystemColor | 5;
inline constexpr TColor clWindowText = clSystemColor | 8;
inline constexpr TColor clHighlight = clSystemColor | 13;
inline constexpr TColor clHighlightText = clSystemColor | 14;
inline constexpr TColor clBtnFace = clSystemColor | 15;
inline constexpr TColor clInfoText = clSystemColor | 23;
inline constexpr TColor clInfoBk = clSystemColor | 24;

inline bool isSystemColor(TColor c) { return (c & clSystemColor) != 0; }
inline int systemColorIndex(TColor c) { return c & 0xFF; }
} // namespace Colors

// The identifier where the colour has one, else "$" and eight hex digits.
QString ColorToString(TColor color);

// An identifier (without case) or an integer; throws AppError
// "'%s' is not a valid integer value" for anything else.
TColor StringToColor(QStringView text);
