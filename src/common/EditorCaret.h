// The editor's caret line as the reference panel and the completion read it: the line as a
// QString and the caret as an index into it, converted from the editor's bytes in this one place.
#pragma once

#include <QString>

class QsciScintilla;

struct EditorCaret
{
    int line = 0;
    int index = 0; // UTF-16 units of `text` before the caret
    QString text;  // the caret's line without its line break
};

EditorCaret editorCaret(QsciScintilla *editor);

// A line of the editor without its line break.
QString editorLine(QsciScintilla *editor, int line);

// The editor's position of `index` UTF-16 units into line `line`, as editorCaret() counts them.
qsizetype editorPosition(QsciScintilla *editor, int line, qsizetype index);
