// One display attribute of the highlighter: colours and font style of a kind of token.
#pragma once

#include "settings/EditorSettings.h"

#include <QFlags>
#include <QObject>
#include <QString>

class LexerAttributes : public QObject
{
    Q_OBJECT
public:
    enum FontStyle {
        Bold = 1,
        Italic = 2,
        Underline = 4,
        StrikeOut = 8,
    };
    Q_DECLARE_FLAGS(FontStyles, FontStyle)

    // Colours are settings-file values ($00BBGGRR or system colours); clNone means the editor's own colour.
    LexerAttributes(const QString &name, ColorValue foreground, FontStyles style,
                              QObject *parent = nullptr);

    const QString &name() const { return m_name; }

    ColorValue foreground() const { return m_foreground; }
    ColorValue background() const { return m_background; }
    FontStyles style() const { return m_style; }

    // Each setter emits changed() when the value differs.
    void setForeground(ColorValue color);
    void setBackground(ColorValue color);
    void setStyle(FontStyles style);

    // The colour with bold and italic, as the settings hold them; setLook() drops the other flags.
    TextLook look() const;
    void setLook(const TextLook &look);

signals:
    void changed();

private:
    QString m_name;
    ColorValue m_foreground;
    ColorValue m_background = Colors::clNone;
    FontStyles m_style;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(LexerAttributes::FontStyles)
