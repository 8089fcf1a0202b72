// Shows the colour's name; the value itself is kept exactly as set.
#include "mainwindow/TColorBox.h"

TColorBox::TColorBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(false);
    addItem(ColorToString(m_color));
}

void TColorBox::setSelected(TColor color)
{
    m_color = color;
    setItemText(0, ColorToString(color));
}
