// A colour choice holding a settings-file colour value ($00BBGGRR, a system colour, clNone,
// clDefault): the named colours, the system colours, clNone, optionally clDefault, and a custom
// colour picked in the colour dialog.
#pragma once

#include "settings/ColorText.h"

#include <QComboBox>

class ColorBox : public QComboBox
{
    Q_OBJECT
    // The editor's colour boxes also offer clDefault, the editor's own colour.
    Q_PROPERTY(bool includeDefault READ includeDefault WRITE setIncludeDefault)
public:
    explicit ColorBox(QWidget *parent = nullptr);

    ColorValue selected() const { return m_color; }
    // A value that is in no list shows as the custom colour.
    void setSelected(ColorValue color);

    bool includeDefault() const { return m_includeDefault; }
    void setIncludeDefault(bool on);

    void showPopup() override;

private:
    void populate();
    void addColor(ColorValue color, const QString &name);
    void chooseCustom();
    void showSelected();

    ColorValue m_color = Colors::clBlack;
    bool m_includeDefault = false;
};
