// The editor's colours and font as the settings file holds them, and their application.
#pragma once

#include "settings/EditorSettings.h"

#include <QFont>

class QsciScintilla;
class QSplitter;
class ScriptLexer;

struct EditorLook
{
    ColorValue color = Colors::clWindow;
    ColorValue selBackground = Colors::clHighlight;
    ColorValue selForeground = Colors::clHighlightText;
    ColorValue activeLineColor = Colors::clNone;
    ColorValue fontColor = Colors::clWindowText;
    int fontCharSet = 1; // kept for the settings file; fonts here carry no character set
    QFont font = defaultFont();

    static QFont defaultFont();
    // What the editor always is: UTF-8, CR LF line ends, line numbers in margin 0.
    static void setUp(QsciScintilla *editor, ScriptLexer *highlighter);

    void apply(QsciScintilla *editor, ScriptLexer *highlighter) const;

    // The font keys of "txfont": face, character set, colour, size in points, style bits.
    FontKeys fontKeys() const;
    void setFontKeys(const FontKeys &keys);

    static bool gutterVisible(const QsciScintilla *editor);
    static void setGutterVisible(QsciScintilla *editor, bool visible);
    static bool wordWrap(const QsciScintilla *editor);
    static void setWordWrap(QsciScintilla *editor, bool on);
    static bool splitterVisible(const QSplitter *splitter);
    static void setSplitterVisible(QSplitter *splitter, bool visible);
};
