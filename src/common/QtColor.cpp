// The Windows desktop colour indexes mapped onto the roles of the Qt palette.
#include "common/QtColor.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

QColor systemColor(int index, const QColor &noneColor)
{
    const QPalette pal = QGuiApplication::palette();
    const auto role = [&pal](QPalette::ColorRole r) { return pal.color(QPalette::Active, r); };
    switch (index) {
    case 0: return role(QPalette::Button);          // scroll bar
    case 1: return role(QPalette::Dark);            // desktop
    case 2: return role(QPalette::Highlight);       // active caption
    case 3: return role(QPalette::Mid);             // inactive caption
    case 4: return role(QPalette::Window);          // menu
    case 5: return role(QPalette::Base);            // window
    case 6: return role(QPalette::Shadow);          // window frame
    case 7: return role(QPalette::WindowText);      // menu text
    case 8: return role(QPalette::Text);            // window text
    case 9: return role(QPalette::HighlightedText); // caption text
    case 10: return role(QPalette::Window);         // active border
    case 11: return role(QPalette::Window);         // inactive border
    case 12: return role(QPalette::Mid);            // application workspace
    case 13: return role(QPalette::Highlight);
    case 14: return role(QPalette::HighlightedText);
    case 15: return role(QPalette::Button);         // button face
    case 16: return role(QPalette::Dark);           // button shadow
    case 17: return pal.color(QPalette::Disabled, QPalette::Text); // grey text
    case 18: return role(QPalette::ButtonText);
    case 19: return pal.color(QPalette::Disabled, QPalette::WindowText); // inactive caption text
    case 20: return role(QPalette::Light);          // button highlight
    case 21: return role(QPalette::Shadow);         // 3D dark shadow
    case 22: return role(QPalette::Midlight);       // 3D light
    case 23: return role(QPalette::ToolTipText);    // info text
    case 24: return role(QPalette::ToolTipBase);    // info background
    case 26: return role(QPalette::Link);           // hot-tracked item
    case 27: return role(QPalette::Highlight);      // gradient of the active caption
    case 28: return role(QPalette::Mid);            // gradient of the inactive caption
    case 29: return role(QPalette::Highlight);      // menu highlight
    case 30: return role(QPalette::Window);         // menu bar
    default: return noneColor;
    }
}

} // namespace

QColor toQColor(ColorValue tcolor, const QColor &noneColor)
{
    if (tcolor == Colors::clNone || tcolor == Colors::clDefault)
        return noneColor;
    if (Colors::isSystemColor(tcolor))
        return systemColor(Colors::systemColorIndex(tcolor), noneColor);
    // Like the Windows colour macros, only the low three bytes count.
    return QColor(tcolor & 0xFF, (tcolor >> 8) & 0xFF, (tcolor >> 16) & 0xFF);
}
