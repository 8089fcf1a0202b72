// The editor's colours and font as the settings file holds them, and their application.
#pragma once

#include "settings/ColorText.h"

#include <QFont>

class QsciScintilla;
class QSplitter;
class TSynSQSHighlighter;

struct EditorLook
{
    TColor Color = Colors::clWindow;
    TColor SelBackground = Colors::clHighlight;
    TColor SelForeground = Colors::clHighlightText;
    TColor ActiveLineColor = Colors::clNone;
    TColor FontColor = Colors::clWindowText;
    int FontCharSet = 1; // kept for the settings file; fonts here carry no character set
    QFont Font = defaultFont();

    static QFont defaultFont();
    // What the editor always is: UTF-8, CR LF line ends, line numbers in margin 0.
    static void setUp(QsciScintilla *editor, TSynSQSHighlighter *highlighter);

    void apply(QsciScintilla *editor, TSynSQSHighlighter *highlighter) const;

    static bool gutterVisible(const QsciScintilla *editor);
    static void setGutterVisible(QsciScintilla *editor, bool visible);
    static bool wordWrap(const QsciScintilla *editor);
    static void setWordWrap(QsciScintilla *editor, bool on);
    static bool splitterVisible(const QSplitter *splitter);
    static void setSplitterVisible(QSplitter *splitter, bool visible);
};

// The font keys of a section: Name, CharSet, Color, Size, Style; each defaults to the current value.
void LoadFont(const QString &fileName, const QString &section, QFont &font, TColor &color, int &charSet);
void SaveFont(const QString &fileName, const QString &section, const QFont &font, TColor color, int charSet);
