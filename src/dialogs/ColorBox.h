// A colour choice holding a settings-file colour value ($00BBGGRR or a system colour).
#pragma once

#include "settings/ColorText.h"

#include <QComboBox>

class ColorBox : public QComboBox
{
    Q_OBJECT
public:
    explicit ColorBox(QWidget *parent = nullptr);

    ColorValue selected() const { return m_color; }
    void setSelected(ColorValue color);

private:
    ColorValue m_color = Colors::clBlack;
};
