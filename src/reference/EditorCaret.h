// The editor's caret line as the reference panel and the completion read it.
#pragma once

#include <QString>

class QsciScintilla;

struct EditorCaret
{
    int line = 0;
    int index = 0; // characters before the caret in its line
    QString text;  // the caret's line without its line break
};

EditorCaret editorCaret(const QsciScintilla *editor);

// A line of the editor without its line break.
QString editorLine(const QsciScintilla *editor, int line);
