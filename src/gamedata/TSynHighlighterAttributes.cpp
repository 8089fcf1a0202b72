// Attribute values with change notification, so that every change reaches the editor.
#include "gamedata/TSynHighlighterAttributes.h"

TSynHighlighterAttributes::TSynHighlighterAttributes(const QString &name, TColor foreground,
                                                     TFontStyles style, QObject *parent)
    : QObject(parent), m_name(name), m_foreground(foreground), m_style(style)
{
    setObjectName(name);
}

void TSynHighlighterAttributes::SetForeground(TColor color)
{
    if (color == m_foreground)
        return;
    m_foreground = color;
    emit changed();
}

void TSynHighlighterAttributes::SetBackground(TColor color)
{
    if (color == m_background)
        return;
    m_background = color;
    emit changed();
}

void TSynHighlighterAttributes::SetStyle(TFontStyles style)
{
    if (style == m_style)
        return;
    m_style = style;
    emit changed();
}
