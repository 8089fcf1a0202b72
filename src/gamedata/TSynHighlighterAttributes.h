// One display attribute of the highlighter: colours and font style of a kind of token.
#pragma once

#include "settings/ColorText.h"

#include <QFlags>
#include <QObject>
#include <QString>

class TSynHighlighterAttributes : public QObject
{
    Q_OBJECT
public:
    enum FontStyle {
        fsBold = 1,
        fsItalic = 2,
        fsUnderline = 4,
        fsStrikeOut = 8,
    };
    Q_DECLARE_FLAGS(TFontStyles, FontStyle)

    // Colours are settings-file values ($00BBGGRR or system colours); clNone means the editor's own colour.
    TSynHighlighterAttributes(const QString &name, TColor foreground, TFontStyles style,
                              QObject *parent = nullptr);

    const QString &Name() const { return m_name; }

    TColor Foreground() const { return m_foreground; }
    TColor Background() const { return m_background; }
    TFontStyles Style() const { return m_style; }

    // Each setter emits changed() when the value differs.
    void SetForeground(TColor color);
    void SetBackground(TColor color);
    void SetStyle(TFontStyles style);

signals:
    void changed();

private:
    QString m_name;
    TColor m_foreground;
    TColor m_background = Colors::clNone;
    TFontStyles m_style;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TSynHighlighterAttributes::TFontStyles)
