// The table of colour identifiers, both ways.
#include "settings/ColorText.h"

#include "AppError.h"
#include "settings/IniFile.h"

#include <array>
#include <utility>

namespace {

using namespace Colors;

constexpr ColorValue sys(int index) { return clSystemColor | index; }

const std::array<std::pair<ColorValue, const char *>, 52> kNames = {{
    {clBlack, "clBlack"}, {clMaroon, "clMaroon"}, {clGreen, "clGreen"}, {clOlive, "clOlive"},
    {clNavy, "clNavy"}, {clPurple, "clPurple"}, {clTeal, "clTeal"}, {clGray, "clGray"},
    {clSilver, "clSilver"}, {clRed, "clRed"}, {clLime, "clLime"}, {clYellow, "clYellow"},
    {clBlue, "clBlue"}, {clFuchsia, "clFuchsia"}, {clAqua, "clAqua"}, {clWhite, "clWhite"},
    {0xC0DCC0, "clMoneyGreen"}, {0xF0CAA6, "clSkyBlue"}, {0xF0FBFF, "clCream"},
    {0xA4A0A0, "clMedGray"},
    {sys(0), "clScrollBar"}, {sys(1), "clBackground"}, {sys(2), "clActiveCaption"},
    {sys(3), "clInactiveCaption"}, {sys(4), "clMenu"}, {sys(5), "clWindow"},
    {sys(6), "clWindowFrame"}, {sys(7), "clMenuText"}, {sys(8), "clWindowText"},
    {sys(9), "clCaptionText"}, {sys(10), "clActiveBorder"}, {sys(11), "clInactiveBorder"},
    {sys(12), "clAppWorkSpace"}, {sys(13), "clHighlight"}, {sys(14), "clHighlightText"},
    {sys(15), "clBtnFace"}, {sys(16), "clBtnShadow"}, {sys(17), "clGrayText"},
    {sys(18), "clBtnText"}, {sys(19), "clInactiveCaptionText"}, {sys(20), "clBtnHighlight"},
    {sys(21), "cl3DDkShadow"}, {sys(22), "cl3DLight"}, {sys(23), "clInfoText"},
    {sys(24), "clInfoBk"}, {sys(26), "clHotLight"}, {sys(27), "clGradientActiveCaption"},
    {sys(28), "clGradientInactiveCaption"}, {sys(29), "clMenuHighlight"}, {sys(30), "clMenuBar"},
    {clNone, "clNone"}, {clDefault, "clDefault"},
}};

} // namespace

QString colorToString(ColorValue color)
{
    for (const auto &[value, name] : kNames)
        if (value == color)
            return QString::fromLatin1(name);
    return u'$' + QStringLiteral("%1").arg(static_cast<quint32>(color), 8, 16, QLatin1Char('0')).toUpper();
}

ColorValue stringToColor(QStringView text)
{
    for (const auto &[value, name] : kNames)
        if (text.compare(QLatin1StringView(name), Qt::CaseInsensitive) == 0)
            return value;
    if (const auto number = parseIniInteger(text))
        return *number;
    throw AppError(QStringLiteral("'%1' is not a valid integer value").arg(text));
}
