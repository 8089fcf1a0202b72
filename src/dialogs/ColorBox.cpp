// Shows the colour's name; the value itself is kept exactly as set.
#include "dialogs/ColorBox.h"

ColorBox::ColorBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(false);
    addItem(colorToString(m_color));
}

void ColorBox::setSelected(ColorValue color)
{
    m_color = color;
    setItemText(0, colorToString(color));
}
