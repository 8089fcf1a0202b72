// Theme names and fallback badges of the speed-bar images.
#include "editor/SpeedBarIcons.h"

#include <QPainter>
#include <QPixmap>
#include <array>

namespace {

struct Image
{
    const char *theme;
    const char *badge; // drawn when the theme has no icon
    QRgb colour;
};

const std::array<Image, 27> kImages = {{
    {"document-new", "New", 0x3a7bd5},     {"document-open", "Opn", 0x3a7bd5},
    {"document-save", "Sav", 0x3a7bd5},    {"application-exit", "S+X", 0x3a7bd5},
    {"edit-copy", "Cpy", 0x4caf50},        {"edit-cut", "Cut", 0x4caf50},
    {"edit-paste", "Pst", 0x4caf50},       {"edit-undo", "Und", 0x4caf50},
    {"edit-redo", "Red", 0x4caf50},        {"edit-find", "Fnd", 0xff9800},
    {"edit-find-replace", "Rpl", 0xff9800}, {"go-jump", "Go", 0xff9800},
    {nullptr, "Р/E", 0x4caf50},            {nullptr, "aA", 0x4caf50},
    {"format-justify-fill", "Wrp", 0x4caf50}, {nullptr, "OFP", 0x8d6e63},
    {nullptr, "ArmA", 0x8d6e63},           {nullptr, "Ovw", 0x7e57c2},
    {nullptr, "Brf", 0x7e57c2},            {nullptr, "Ext", 0x7e57c2},
    {nullptr, "Unt", 0x7e57c2},            {nullptr, "Box", 0x7e57c2},
    {"preferences-system", "Set", 0x607d8b}, {nullptr, "?", 0x607d8b},
    {nullptr, "Str", 0x7e57c2},            {nullptr, "Sel", 0x4caf50},
    {nullptr, "Blk", 0x4caf50},
}};

QIcon badge(const Image &image)
{
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(image.colour));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(4, 4, 56, 56), 10, 10);
    QFont font = p.font();
    font.setPixelSize(qstrlen(image.badge) > 3 ? 16 : 20);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(pixmap.rect(), Qt::AlignCenter, QString::fromUtf8(image.badge));
    return QIcon(pixmap);
}

} // namespace

namespace SpeedBarIcons {

QIcon icon(int index)
{
    if (index < 0 || index >= int(kImages.size()))
        return {};
    const Image &image = kImages[index];
    if (image.theme && QIcon::hasThemeIcon(QLatin1String(image.theme)))
        return QIcon::fromTheme(QLatin1String(image.theme));
    return badge(image);
}

} // namespace SpeedBarIcons
