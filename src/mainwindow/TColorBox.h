// A colour choice holding a settings-file colour value ($00BBGGRR or a system colour).
#pragma once

#include "settings/ColorText.h"

#include <QComboBox>

class TColorBox : public QComboBox
{
    Q_OBJECT
public:
    explicit TColorBox(QWidget *parent = nullptr);

    TColor Selected() const { return m_color; }
    void setSelected(TColor color);

private:
    TColor m_color = Colors::clBlack;
};
