// Reading the editor's caret line. QScintilla's own line and index count characters, while a
// QString counts UTF-16 units: a character above U+FFFF takes one of the first but two of the
// second, so the index is worked out here from the bytes instead.
#include "common/EditorCaret.h"

#include "common/EditorBytes.h"
#include "search/TextOffsets.h"

namespace {

QByteArrayView lineBytes(QsciScintilla *editor, qsizetype line)
{
    return EditorBytes::range(editor, EditorBytes::lineStart(editor, line), EditorBytes::lineEnd(editor, line));
}

} // namespace

QString editorLine(QsciScintilla *editor, int line)
{
    return TextOffsets::toQString(lineBytes(editor, line));
}

EditorCaret editorCaret(QsciScintilla *editor)
{
    const qsizetype caret = EditorBytes::caret(editor);
    EditorCaret at;
    at.line = int(EditorBytes::lineOf(editor, caret));
    const QByteArrayView bytes = lineBytes(editor, at.line);
    at.text = TextOffsets::toQString(bytes);
    const qsizetype column = qMin(caret - EditorBytes::lineStart(editor, at.line), bytes.size());
    at.index = int(TextOffsets::utf16Length(bytes.first(column)));
    return at;
}

qsizetype editorPosition(QsciScintilla *editor, int line, qsizetype index)
{
    return EditorBytes::lineStart(editor, line) + TextOffsets::byteLengthOfUtf16(lineBytes(editor, line), index);
}
