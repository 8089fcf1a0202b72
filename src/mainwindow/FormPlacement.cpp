// Placement keys: FormVersion, Flags, ShowCmd, PixelsPerInch, MinMaxPos, NormPos, Visible.
#include "mainwindow/FormPlacement.h"

#include "settings/IniFile.h"

#include <QAction>
#include <QMainWindow>
#include <QScreen>
#include <QToolBar>

namespace {

constexpr int kShowNormal = 1;
constexpr int kShowMaximized = 3;

QString rectText(const QRect &r)
{
    return QStringLiteral("%1,%2,%3,%4").arg(r.left()).arg(r.top()).arg(r.right() + 1).arg(r.bottom() + 1);
}

bool parseRect(const QString &text, QRect *rect)
{
    const QStringList parts = text.split(u',');
    if (parts.size() != 4)
        return false;
    int v[4];
    for (int i = 0; i < 4; ++i) {
        const auto n = parseIniInteger(parts[i]);
        if (!n)
            return false;
        v[i] = *n;
    }
    if (v[2] <= v[0] || v[3] <= v[1])
        return false;
    *rect = QRect(QPoint(v[0], v[1]), QPoint(v[2] - 1, v[3] - 1));
    return true;
}

int dpi(const QWidget *w)
{
    return w->screen() ? qRound(w->screen()->logicalDotsPerInch()) : 96;
}

} // namespace

void FormPlacement::restore()
{
    if (m_restored || IniFileName.isEmpty())
        return;
    m_restored = true;
    const IniFile ini(IniFileName);
    QRect normal;
    if (parseRect(ini.readString(m_section, QStringLiteral("NormPos"), QString()), &normal))
        m_window->setGeometry(normal);
    if (ini.readInteger(m_section, QStringLiteral("ShowCmd"), kShowNormal) == kShowMaximized)
        m_window->setWindowState(m_window->windowState() | Qt::WindowMaximized);
}

void FormPlacement::save()
{
    if (m_saved || IniFileName.isEmpty())
        return;
    m_saved = true;
    IniFile ini(IniFileName);
    const bool maximized = m_window->isMaximized();
    const QRect normal = m_window->normalGeometry().isValid() ? m_window->normalGeometry() : m_window->geometry();
    ini.writeString(m_section, QStringLiteral("FormVersion"), QString());
    ini.writeInteger(m_section, QStringLiteral("Flags"), 0);
    ini.writeInteger(m_section, QStringLiteral("ShowCmd"), maximized ? kShowMaximized : kShowNormal);
    ini.writeInteger(m_section, QStringLiteral("PixelsPerInch"), dpi(m_window));
    ini.writeString(m_section, QStringLiteral("MinMaxPos"), QStringLiteral("-1,-1,-1,-1"));
    ini.writeString(m_section, QStringLiteral("NormPos"), rectText(normal));
    ini.writeBool(m_section, QStringLiteral("Visible"), m_window->isVisible());
}

QString FormPlacement::toolBarSection(QMainWindow *window, QToolBar *bar) const
{
    return m_section + u'\\' + QLatin1String(window->metaObject()->className()) + bar->objectName();
}

void FormPlacement::saveToolBar(QMainWindow *window, QToolBar *bar)
{
    if (IniFileName.isEmpty())
        return;
    IniFile ini(IniFileName);
    const QString section = toolBarSection(window, bar);
    ini.eraseSection(section);
    ini.writeInteger(section, QStringLiteral("Position"), 0);
    ini.writeInteger(section, QStringLiteral("Width"), bar->width());
    ini.writeInteger(section, QStringLiteral("Version"), 0);
    ini.writeInteger(section, QStringLiteral("PixelsPerInch"), dpi(window));
    ini.writeInteger(section, QStringLiteral("BtnWidth"), bar->iconSize().width());
    ini.writeInteger(section, QStringLiteral("BtnHeight"), bar->iconSize().height());
    QStringList placed;
    for (QAction *a : bar->actions())
        if (!a->isSeparator() && a->isVisible())
            placed.append(a->objectName());
    ini.writeInteger(section, QStringLiteral("Count"), int(placed.size()));
    for (int i = 0; i < placed.size(); ++i)
        ini.writeString(section, QStringLiteral("Button%1").arg(i), placed[i]);
}

void FormPlacement::restoreToolBar(QMainWindow *window, QToolBar *bar)
{
    if (IniFileName.isEmpty())
        return;
    const IniFile ini(IniFileName);
    const QString section = toolBarSection(window, bar);
    const int count = ini.readInteger(section, QStringLiteral("Count"), -1);
    if (count < 0)
        return;
    QStringList placed;
    for (int i = 0; i < count; ++i)
        placed.append(ini.readString(section, QStringLiteral("Button%1").arg(i), QString()));
    for (QAction *a : bar->actions())
        if (!a->isSeparator())
            a->setVisible(placed.contains(a->objectName()));
}
