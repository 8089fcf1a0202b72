// Attribute values with change notification, so that every change reaches the editor.
#include "editor/LexerAttributes.h"

LexerAttributes::LexerAttributes(const QString &name, ColorValue foreground,
                                                     FontStyles style, QObject *parent)
    : QObject(parent), m_name(name), m_foreground(foreground), m_style(style)
{
    setObjectName(name);
}

void LexerAttributes::setForeground(ColorValue color)
{
    if (color == m_foreground)
        return;
    m_foreground = color;
    emit changed();
}

void LexerAttributes::setBackground(ColorValue color)
{
    if (color == m_background)
        return;
    m_background = color;
    emit changed();
}

void LexerAttributes::setStyle(FontStyles style)
{
    if (style == m_style)
        return;
    m_style = style;
    emit changed();
}

TextLook LexerAttributes::look() const
{
    return {m_foreground, m_style.testFlag(Bold), m_style.testFlag(Italic)};
}

void LexerAttributes::setLook(const TextLook &look)
{
    FontStyles style;
    style.setFlag(Bold, look.bold);
    style.setFlag(Italic, look.italic);
    setForeground(look.color);
    setStyle(style);
}
