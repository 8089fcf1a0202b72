// Edits of the editor's selection, each one undo step: line comments, character repair, insertion.
#pragma once

#include <QString>
#include <functional>

class QsciScintilla;

namespace SelectionEdits {

// Toggles the comment of every line the selection touches, whole, including a last line on
// which it merely ends at the first column; each line comes back followed by a line break.
// Without a selection, toggles the caret's line and keeps the caret where it was.
void toggleLineComments(QsciScintilla *editor, bool sqs);

// Replaces each piece of the selection (a column selection has one per line) by convert(piece).
// False, with nothing changed, when nothing is selected.
bool convertSelection(QsciScintilla *editor, const std::function<QString(QStringView)> &convert);

// Replaces the selection with the text, or inserts it at the caret.
void replaceSelection(QsciScintilla *editor, const QString &text);

} // namespace SelectionEdits
