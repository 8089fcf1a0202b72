// Selection edits over QScintilla's byte positions; every one runs inside one undo action.
#include "editor/SelectionEdits.h"

#include "common/EditorCaret.h"
#include "script/LineComments.h"

#include <Qsci/qsciscintilla.h>
#include <algorithm>
#include <vector>

namespace {

using Sci = QsciScintillaBase;

// Undo actions nest, so an edit made of several replacements is still one step.
class UndoStep
{
public:
    explicit UndoStep(QsciScintilla *editor) : m_editor(editor) { m_editor->beginUndoAction(); }
    ~UndoStep() { m_editor->endUndoAction(); }
    UndoStep(const UndoStep &) = delete;
    UndoStep &operator=(const UndoStep &) = delete;

private:
    QsciScintilla *m_editor;
};

long send(QsciScintilla *editor, unsigned int message, unsigned long wParam = 0, long lParam = 0)
{
    return editor->SendScintilla(message, wParam, lParam);
}

// Replaces the bytes [from, to) and returns the length of what went in.
long replaceRange(QsciScintilla *editor, long from, long to, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    send(editor, Sci::SCI_SETTARGETSTART, from);
    send(editor, Sci::SCI_SETTARGETEND, to);
    editor->SendScintilla(Sci::SCI_REPLACETARGET, bytes.size(), bytes.constData());
    return bytes.size();
}

QString lineWithoutBreak(QsciScintilla *editor, int line)
{
    const long start = send(editor, Sci::SCI_POSITIONFROMLINE, line);
    const long end = send(editor, Sci::SCI_GETLINEENDPOSITION, line);
    return editor->text(int(start), int(end));
}

void toggleCaretLine(QsciScintilla *editor, bool sqs)
{
    const EditorCaret caret = editorCaret(editor);
    const QString toggled = LineComments::toggle(caret.text, sqs);
    if (toggled == caret.text)
        return;
    UndoStep step(editor);
    replaceRange(editor, send(editor, Sci::SCI_POSITIONFROMLINE, caret.line),
                 send(editor, Sci::SCI_GETLINEENDPOSITION, caret.line), toggled);
    send(editor, Sci::SCI_GOTOPOS, editorPosition(editor, caret.line, std::min<qsizetype>(caret.index, toggled.size())));
}

} // namespace

namespace SelectionEdits {

void toggleLineComments(QsciScintilla *editor, bool sqs)
{
    // For a column selection these are the corners of its rectangle.
    const long start = send(editor, Sci::SCI_GETSELECTIONSTART);
    const long end = send(editor, Sci::SCI_GETSELECTIONEND);
    if (start == end) {
        toggleCaretLine(editor, sqs);
        return;
    }
    const int lineCount = int(send(editor, Sci::SCI_GETLINECOUNT));
    const int first = int(send(editor, Sci::SCI_LINEFROMPOSITION, start));
    int last = int(send(editor, Sci::SCI_LINEFROMPOSITION, end));
    // An empty last line only stands for the final line break: toggling it would add another.
    if (last > first && last == lineCount - 1 && editor->lineLength(last) == 0)
        --last;
    QStringList lines;
    for (int line = first; line <= last; ++line)
        lines.append(lineWithoutBreak(editor, line));
    const long from = send(editor, Sci::SCI_POSITIONFROMLINE, first);
    const long to = last + 1 < lineCount ? send(editor, Sci::SCI_POSITIONFROMLINE, last + 1) : editor->length();
    UndoStep step(editor);
    const long inserted = replaceRange(editor, from, to, LineComments::toggleLines(lines, sqs));
    send(editor, Sci::SCI_GOTOPOS, from + inserted);
}

bool convertSelection(QsciScintilla *editor, const std::function<QString(QStringView)> &convert)
{
    std::vector<std::pair<long, long>> pieces;
    const int count = int(send(editor, Sci::SCI_GETSELECTIONS));
    for (int i = 0; i < count; ++i) {
        const long start = send(editor, Sci::SCI_GETSELECTIONNSTART, i);
        const long end = send(editor, Sci::SCI_GETSELECTIONNEND, i);
        if (start < end)
            pieces.emplace_back(start, end);
    }
    if (pieces.empty())
        return false;
    // From the last piece back, so that a piece whose length in bytes changes does not move
    // the ones still to come.
    std::sort(pieces.begin(), pieces.end());
    UndoStep step(editor);
    long caret = 0;
    for (auto it = pieces.rbegin(); it != pieces.rend(); ++it) {
        const auto [start, end] = *it;
        const long inserted = replaceRange(editor, start, end, convert(editor->text(int(start), int(end))));
        caret = it == pieces.rbegin() ? start + inserted : caret + inserted - (end - start);
    }
    send(editor, Sci::SCI_GOTOPOS, caret);
    return true;
}

void replaceSelection(QsciScintilla *editor, const QString &text)
{
    UndoStep step(editor);
    editor->replaceSelectedText(text);
}

} // namespace SelectionEdits
