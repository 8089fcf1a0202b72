// Editor set-up, colours and font; the font keys of the settings file.
#include "editor/EditorLook.h"

#include "editor/ScriptLexer.h"
#include "editor/QtColor.h"
#include "settings/IniFile.h"

#include <QFontInfo>
#include <QSplitter>
#include <Qsci/qsciscintilla.h>

namespace {

// The gutter: line numbers, then the bookmarks' symbols (their margin is set up by Bookmarks).
constexpr int kLineNumberMargin = 0;
constexpr int kBookmarkMargin = 1;
constexpr int kBookmarkMarginWidth = 16;

int pointSize(const QFont &font)
{
    if (font.pointSize() > 0)
        return font.pointSize();
    return qRound(QFontInfo(font).pointSizeF());
}

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

void loadFont(const QString &fileName, const QString &section, QFont &font, ColorValue &color, int &charSet)
{
    const IniFile ini(fileName);
    font.setFamily(ini.readString(section, QStringLiteral("Name"), font.family()));
    charSet = ini.readInteger(section, QStringLiteral("CharSet"), charSet) & 0xFF;
    color = ini.readInteger(section, QStringLiteral("Color"), color);
    const int size = ini.readInteger(section, QStringLiteral("Size"), pointSize(font));
    if (size > 0 && size != pointSize(font))
        font.setPointSize(size);
    const int style = ini.readInteger(section, QStringLiteral("Style"),
                                      (font.bold() ? 1 : 0) | (font.italic() ? 2 : 0) | (font.underline() ? 4 : 0)
                                          | (font.strikeOut() ? 8 : 0));
    font.setBold(style & 1);
    font.setItalic(style & 2);
    font.setUnderline(style & 4);
    font.setStrikeOut(style & 8);
}

void saveFont(const QString &fileName, const QString &section, const QFont &font, ColorValue color, int charSet)
{
    IniFile ini(fileName);
    ini.writeString(section, QStringLiteral("Name"), font.family());
    ini.writeInteger(section, QStringLiteral("CharSet"), charSet);
    ini.writeInteger(section, QStringLiteral("Color"), color);
    ini.writeInteger(section, QStringLiteral("Size"), pointSize(font));
    ini.writeInteger(section, QStringLiteral("Style"),
                     (font.bold() ? 1 : 0) | (font.italic() ? 2 : 0) | (font.underline() ? 4 : 0)
                         | (font.strikeOut() ? 8 : 0));
}
