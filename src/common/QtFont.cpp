// Font keys of the settings file and Qt fonts.
#include "common/QtFont.h"

#include <QFontInfo>

namespace {

int pointSize(const QFont &font)
{
    if (font.pointSize() > 0)
        return font.pointSize();
    return qRound(QFontInfo(font).pointSizeF());
}

} // namespace

QFont toQFont(const FontKeys &keys, const QFont &base)
{
    QFont font = base;
    font.setFamily(keys.name);
    if (keys.size > 0 && keys.size != pointSize(font))
        font.setPointSize(keys.size);
    font.setBold(keys.style & 1);
    font.setItalic(keys.style & 2);
    font.setUnderline(keys.style & 4);
    font.setStrikeOut(keys.style & 8);
    return font;
}

FontKeys toFontKeys(const QFont &font, ColorValue color, int charSet)
{
    return {font.family(), charSet, color, pointSize(font),
            (font.bold() ? 1 : 0) | (font.italic() ? 2 : 0) | (font.underline() ? 4 : 0) | (font.strikeOut() ? 8 : 0)};
}
