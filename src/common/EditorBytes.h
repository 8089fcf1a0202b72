// The editor's text and positions in its own measure, UTF-8 bytes, straight from Scintilla.
#pragma once

#include <QByteArrayView>
#include <functional>

class QsciScintilla;

namespace EditorBytes {

// The whole text without a copy; valid until the text changes.
QByteArrayView text(QsciScintilla *editor);
// The bytes of [from, to) without a copy; valid until the text changes.
QByteArrayView range(QsciScintilla *editor, qsizetype from, qsizetype to);

// The byte at `pos`, without moving anything; NUL outside the text.
char byteAt(QsciScintilla *editor, qsizetype pos);

qsizetype caret(QsciScintilla *editor);
qsizetype selectionStart(QsciScintilla *editor);
bool hasSelection(QsciScintilla *editor);
// Selects [anchor, caret) or (caret, anchor] and shows the caret.
void select(QsciScintilla *editor, qsizetype anchor, qsizetype caret);
// Moves the caret there, drops any selection and shows the caret.
void moveCaret(QsciScintilla *editor, qsizetype pos);

qsizetype lineOf(QsciScintilla *editor, qsizetype pos);
qsizetype lineStart(QsciScintilla *editor, qsizetype line);
// Where the line's break begins.
qsizetype lineEnd(QsciScintilla *editor, qsizetype line);

// Runs `change` with the editor's change notices off (all but those of the program's own undo
// actions, which are few), then announces the change once (textChanged,
// linesChanged). QScintilla's own handling of every notice costs time in proportion to the text
// before the change, which makes a command of thousands of edits (Replace All, its Undo) take
// minutes on a large text.
void changeQuietly(QsciScintilla *editor, const std::function<void()> &change);

} // namespace EditorBytes
