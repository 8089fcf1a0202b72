// Placement rectangles to and from their text.
#include "settings/PlacementRect.h"

#include "settings/IniFile.h"

#include <QStringList>

namespace PlacementRect {

QString toText(const QRect &rect)
{
    return QStringLiteral("%1,%2,%3,%4").arg(rect.left()).arg(rect.top()).arg(rect.right() + 1).arg(rect.bottom() + 1);
}

std::optional<QRect> fromText(const QString &text)
{
    const QStringList parts = text.split(u',');
    if (parts.size() != 4)
        return std::nullopt;
    int v[4];
    for (int i = 0; i < 4; ++i) {
        const auto n = parseIniInteger(parts[i].trimmed());
        if (!n)
            return std::nullopt;
        v[i] = *n;
    }
    if (v[2] <= v[0] || v[3] <= v[1])
        return std::nullopt;
    return QRect(QPoint(v[0], v[1]), QPoint(v[2] - 1, v[3] - 1));
}

} // namespace PlacementRect
