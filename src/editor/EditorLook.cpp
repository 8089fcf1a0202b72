// Editor set-up, colours and font, and the font as the settings file holds it.
#include "editor/EditorLook.h"

#include "editor/ScriptLexer.h"
#include "common/QtColor.h"
#include "common/QtFont.h"

#include <QSplitter>
#include <Qsci/qsciscintilla.h>

namespace {

// The gutter: line numbers, then the bookmarks' symbols (their margin is set up by Bookmarks).
constexpr int kLineNumberMargin = 0;
constexpr int kBookmarkMargin = 1;
constexpr int kBookmarkMarginWidth = 16;

} // namespace

QFont EditorLook::defaultFont()
{
    // The form's height of -15 is 15 pixels of character height: 11 points at 96 dots per inch.
    // A point size, since the editor component cannot use pixel-sized fonts.
    QFont font(QStringLiteral("Courier New"), 11);
    font.setStyleHint(QFont::Monospace);
    return font;
}

void EditorLook::setUp(QsciScintilla *editor, ScriptLexer *)
{
    editor->setUtf8(true);
    editor->setEolMode(QsciScintilla::EolWindows);
    editor->setEolVisibility(false);
    editor->setMarginType(kLineNumberMargin, QsciScintilla::NumberMargin);
    editor->setMarginLineNumbers(kLineNumberMargin, true);
    editor->setMarginWidth(1, 0);
    editor->setMarginWidth(2, 0);
    editor->setCaretLineVisible(false);
    editor->setIndentationsUseTabs(true);
    editor->setTabWidth(8);
    setGutterVisible(editor, true);
}

void EditorLook::apply(QsciScintilla *editor, ScriptLexer *highlighter) const
{
    const QPalette palette = editor->palette();
    const QColor paper = toQColor(color, palette.color(QPalette::Base));
    const QColor text = toQColor(fontColor, palette.color(QPalette::Text));
    highlighter->setEditorLook(font, text, paper);
    editor->setSelectionBackgroundColor(toQColor(selBackground, palette.color(QPalette::Highlight)));
    editor->setSelectionForegroundColor(toQColor(selForeground, palette.color(QPalette::HighlightedText)));
    editor->setCaretForegroundColor(text);
    editor->setCaretLineVisible(activeLineColor != Colors::clNone);
    if (activeLineColor != Colors::clNone)
        editor->setCaretLineBackgroundColor(toQColor(activeLineColor, paper));
    editor->setMarginsFont(font);
    if (gutterVisible(editor))
        setGutterVisible(editor, true); // the width follows the font
}

bool EditorLook::gutterVisible(const QsciScintilla *editor)
{
    return editor->marginWidth(kLineNumberMargin) > 0;
}

void EditorLook::setGutterVisible(QsciScintilla *editor, bool visible)
{
    editor->setMarginWidth(kLineNumberMargin, visible ? QStringLiteral("00000") : QString());
    if (!visible)
        editor->setMarginWidth(kLineNumberMargin, 0);
    editor->setMarginWidth(kBookmarkMargin, visible ? kBookmarkMarginWidth : 0);
}

bool EditorLook::wordWrap(const QsciScintilla *editor)
{
    return editor->wrapMode() != QsciScintilla::WrapNone;
}

void EditorLook::setWordWrap(QsciScintilla *editor, bool on)
{
    editor->setWrapMode(on ? QsciScintilla::WrapWord : QsciScintilla::WrapNone);
}

// The splitter's handle is what the user sees of it.
bool EditorLook::splitterVisible(const QSplitter *splitter)
{
    return splitter->count() > 1 && splitter->handle(1)->isVisibleTo(splitter);
}

void EditorLook::setSplitterVisible(QSplitter *splitter, bool visible)
{
    if (splitter->count() > 1)
        splitter->handle(1)->setVisible(visible);
}

FontKeys EditorLook::fontKeys() const
{
    return toFontKeys(font, fontColor, fontCharSet);
}

void EditorLook::setFontKeys(const FontKeys &keys)
{
    font = toQFont(keys, font);
    fontCharSet = keys.charSet;
    fontColor = keys.color;
}
