// The colour lists with a swatch each; the chosen value is kept exactly as set.
#include "dialogs/ColorBox.h"

#include "common/QtColor.h"
#include "platform/ModalDialogs.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QHash>
#include <QPainter>

namespace {

// Item roles: the colour value; the one custom entry.
constexpr int kValueRole = Qt::UserRole;
constexpr int kCustomRole = Qt::UserRole + 1;
constexpr int kChooserIndex = 0;
constexpr int kVisibleRows = 16; // the rest of the colours scroll

const ColorValue kNamedColors[] = {
    Colors::clBlack, Colors::clMaroon, Colors::clGreen, Colors::clOlive, Colors::clNavy, Colors::clPurple,
    Colors::clTeal, Colors::clGray, Colors::clSilver, Colors::clRed, Colors::clLime, Colors::clYellow,
    Colors::clBlue, Colors::clFuchsia, Colors::clAqua, Colors::clWhite,
    0xC0DCC0, 0xF0CAA6, 0xF0FBFF, 0xA4A0A0, // money green, sky blue, cream, medium grey
};

// What a swatch shows: its fill, its border, and whether it is crossed out for having no colour
// of its own.
struct SwatchLook
{
    QRgb fill;
    QRgb border;
    bool crossed;
    friend bool operator==(const SwatchLook &, const SwatchLook &) = default;
    friend size_t qHash(const SwatchLook &s, size_t seed = 0) { return qHashMulti(seed, s.fill, s.border, int(s.crossed)); }
};

QIcon drawSwatch(const SwatchLook &look)
{
    QPixmap pixmap(20, 14);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.fillRect(pixmap.rect(), QColor::fromRgba(look.fill));
    p.setPen(QColor::fromRgba(look.border));
    p.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    if (look.crossed)
        p.drawLine(pixmap.rect().bottomLeft(), pixmap.rect().topRight());
    return QIcon(pixmap);
}

// The swatches drawn so far; emptied with the application, as pixmaps cannot outlive it.
QHash<SwatchLook, QIcon> &drawnSwatches()
{
    static QHash<SwatchLook, QIcon> drawn;
    static const bool cleared = [] {
        qAddPostRoutine([] { drawnSwatches().clear(); });
        return true;
    }();
    Q_UNUSED(cleared);
    return drawn;
}

// The fourteen boxes show the same fifty swatches: each is drawn once.
QIcon swatch(ColorValue color, const QPalette &palette)
{
    const bool none = color == Colors::clNone || color == Colors::clDefault;
    const SwatchLook look{(none ? palette.color(QPalette::Base) : toQColor(color, Qt::white)).rgba(),
                          palette.color(QPalette::Text).rgba(), none};
    QHash<SwatchLook, QIcon> &drawn = drawnSwatches();
    auto it = drawn.find(look);
    if (it == drawn.end())
        it = drawn.insert(look, drawSwatch(look));
    return *it;
}

ColorValue fromQColor(const QColor &c)
{
    return ColorValue(c.red() | (c.green() << 8) | (c.blue() << 16));
}

} // namespace

ColorBox::ColorBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(false);
    setMaxVisibleItems(kVisibleRows);
    populate();
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (index == kChooserIndex)
            chooseCustom();
        else if (itemData(index, kValueRole).isValid())
            m_color = itemData(index, kValueRole).toInt();
    });
}

void ColorBox::setIncludeDefault(bool on)
{
    if (on == m_includeDefault)
        return;
    m_includeDefault = on;
    populate();
}

// Some styles open a fixed list as a pop-up the height of the screen and ignore the row count;
// the style sheet asks every style for the plain list that keeps it. It changes nothing but the
// list, so it is set when the list first opens: fourteen boxes styled while the settings dialog
// is made cost about 4 ms of start-up.
void ColorBox::showPopup()
{
    if (styleSheet().isEmpty())
        setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    QComboBox::showPopup();
}

void ColorBox::setSelected(ColorValue color)
{
    m_color = color;
    showSelected();
}

void ColorBox::populate()
{
    const QSignalBlocker blocker(this);
    clear();
    addItem(QStringLiteral("Другой..."));
    if (m_includeDefault)
        addColor(Colors::clDefault, QStringLiteral("clDefault"));
    addColor(Colors::clNone, QStringLiteral("clNone"));
    for (ColorValue color : kNamedColors)
        addColor(color, colorToString(color));
    for (int index = 0; index <= 30; ++index)
        if (index != 25) // the system has no colour there
            addColor(Colors::clSystemColor | index, colorToString(Colors::clSystemColor | index));
    showSelected();
}

void ColorBox::addColor(ColorValue color, const QString &name)
{
    addItem(swatch(color, palette()), name, color);
}

// The entry of the value, or the custom entry under the chooser, made or updated for it.
void ColorBox::showSelected()
{
    const QSignalBlocker blocker(this);
    int index = -1;
    for (int i = 0; i < count() && index < 0; ++i)
        if (!itemData(i, kCustomRole).toBool() && itemData(i, kValueRole).isValid()
            && itemData(i, kValueRole).toInt() == m_color)
            index = i;
    const bool hasCustom = count() > 1 && itemData(kChooserIndex + 1, kCustomRole).toBool();
    if (index < 0) {
        if (!hasCustom) {
            insertItem(kChooserIndex + 1, QString());
            setItemData(kChooserIndex + 1, true, kCustomRole);
        }
        index = kChooserIndex + 1;
        setItemText(index, colorToString(m_color));
        setItemIcon(index, swatch(m_color, palette()));
        setItemData(index, m_color, kValueRole);
    }
    setCurrentIndex(index);
}

void ColorBox::chooseCustom()
{
    QColorDialog dialog(toQColor(m_color, Qt::white), this);
    dialog.setWindowTitle(QStringLiteral("Цвет"));
    if (ModalDialogs::confirm(dialog))
        m_color = fromQColor(dialog.currentColor());
    showSelected();
}
