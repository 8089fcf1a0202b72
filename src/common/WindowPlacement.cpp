// Placement keys: FormVersion, Flags, ShowCmd, PixelsPerInch, MinMaxPos, NormPos, Visible.
#include "common/WindowPlacement.h"

#include "settings/IniFile.h"
#include "settings/PlacementRect.h"
#include "settings/SpeedBarLayout.h"

#include <QScreen>
#include <QWidget>

namespace {

constexpr int kShowNormal = 1;
constexpr int kShowMaximized = 3;

int dpi(const QWidget *w)
{
    return w->screen() ? qRound(w->screen()->logicalDotsPerInch()) : 96;
}

} // namespace

void WindowPlacement::restore()
{
    if (m_restored || m_iniFileName.isEmpty())
        return;
    m_restored = true;
    const IniFile ini(m_iniFileName);
    if (const auto normal = PlacementRect::fromText(ini.readString(m_section, QStringLiteral("NormPos"), QString())))
        m_window->setGeometry(*normal);
    if (ini.readInteger(m_section, QStringLiteral("ShowCmd"), kShowNormal) == kShowMaximized)
        m_window->setWindowState(m_window->windowState() | Qt::WindowMaximized);
}

void WindowPlacement::save()
{
    if (m_saved || m_iniFileName.isEmpty())
        return;
    m_saved = true;
    IniFile ini(m_iniFileName);
    const bool maximized = m_window->isMaximized();
    const QRect normal = m_window->normalGeometry().isValid() ? m_window->normalGeometry() : m_window->geometry();
    ini.writeString(m_section, QStringLiteral("FormVersion"), QString());
    ini.writeInteger(m_section, QStringLiteral("Flags"), 0);
    ini.writeInteger(m_section, QStringLiteral("ShowCmd"), maximized ? kShowMaximized : kShowNormal);
    ini.writeInteger(m_section, QStringLiteral("PixelsPerInch"), dpi(m_window));
    ini.writeString(m_section, QStringLiteral("MinMaxPos"), QStringLiteral("-1,-1,-1,-1"));
    ini.writeString(m_section, QStringLiteral("NormPos"), PlacementRect::toText(normal));
    ini.writeBool(m_section, QStringLiteral("Visible"), m_window->isVisible());
}

void WindowPlacement::saveBarLayout(const SpeedBarLayout &layout, const QString &ownerAndBar, int barWidth,
                                    int buttonSize)
{
    if (m_iniFileName.isEmpty())
        return;
    IniFile ini(m_iniFileName);
    layout.write(ini, m_section + u'\\' + ownerAndBar, barWidth, dpi(m_window), buttonSize);
}

std::optional<SpeedBarLayout> WindowPlacement::readBarLayout(const QString &ownerAndBar) const
{
    if (m_iniFileName.isEmpty())
        return std::nullopt;
    SpeedBarLayout layout;
    if (!SpeedBarLayout::read(IniFile(m_iniFileName), m_section + u'\\' + ownerAndBar, &layout))
        return std::nullopt;
    return layout;
}
