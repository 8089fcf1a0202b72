// A window rectangle as the placement keys hold it: "left,top,right,bottom", right and bottom exclusive.
#pragma once

#include <QRect>
#include <QString>
#include <optional>

namespace PlacementRect {

QString toText(const QRect &rect);

// Nothing for text that is not four integers or an empty or inverted rectangle.
std::optional<QRect> fromText(const QString &text);

} // namespace PlacementRect
