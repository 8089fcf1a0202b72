// Reading the editor's caret line.
#include "reference/EditorCaret.h"

#include <Qsci/qsciscintilla.h>

QString editorLine(const QsciScintilla *editor, int line)
{
    QString text = editor->text(line);
    while (text.endsWith(u'\n') || text.endsWith(u'\r'))
        text.chop(1);
    return text;
}

EditorCaret editorCaret(const QsciScintilla *editor)
{
    EditorCaret caret;
    editor->getCursorPosition(&caret.line, &caret.index);
    caret.text = editorLine(editor, caret.line);
    return caret;
}
