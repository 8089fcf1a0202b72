// The program started, and steps on its editor in its users' measure, characters.
#pragma once

#include "AppFixture.h"
#include "common/EditorBytes.h"
#include "search/TextOffsets.h"

class EditorSteps : public AppFixture
{
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        start();
    }

    // Byte offset of a character offset of the editor's text.
    qsizetype bytes(qsizetype chars) const { return TextOffsets::byteLength(EditorBytes::text(editor()), chars); }
    qsizetype chars(qsizetype byteOffset) const
    {
        return TextOffsets::charCount(EditorBytes::text(editor()).first(byteOffset));
    }
    void setText(const QString &text) { mainWindow()->setEditorText(text); }
    void caretAt(qsizetype charOffset) { EditorBytes::moveCaret(editor(), bytes(charOffset)); }
    void setTextAndCaret(const QString &text, qsizetype charOffset)
    {
        setText(text);
        caretAt(charOffset);
    }
    void select(qsizetype from, qsizetype to) { EditorBytes::select(editor(), bytes(from), bytes(to)); }
    qsizetype caret() const { return chars(EditorBytes::caret(editor())); }
    // The caret on line `line` (from 1) at character `column` (from 0), and the caret's line.
    void caretOn(int line, int column) { caretAt(chars(EditorBytes::lineStart(editor(), line - 1)) + column); }
    int caretLine() const { return int(EditorBytes::lineOf(editor(), EditorBytes::caret(editor()))) + 1; }
    QString selected() const { return editor()->selectedText(); }
    qsizetype selectionStart() const { return chars(EditorBytes::selectionStart(editor())); }
};
