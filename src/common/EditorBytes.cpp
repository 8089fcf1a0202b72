// Thin wrappers over Scintilla's byte-position messages.
#include "common/EditorBytes.h"

#include <Qsci/qsciscintilla.h>

namespace {

using Sci = QsciScintillaBase;

long send(QsciScintilla *editor, unsigned int message, unsigned long w = 0, long l = 0)
{
    return editor->SendScintilla(message, w, l);
}

} // namespace

namespace EditorBytes {

QByteArrayView text(QsciScintilla *editor)
{
    const long length = send(editor, Sci::SCI_GETLENGTH);
    const auto *p = reinterpret_cast<const char *>(send(editor, Sci::SCI_GETCHARACTERPOINTER));
    return QByteArrayView(p, length);
}

QByteArrayView range(QsciScintilla *editor, qsizetype from, qsizetype to)
{
    if (to <= from)
        return {};
    const auto *p = reinterpret_cast<const char *>(send(editor, Sci::SCI_GETRANGEPOINTER, from, to - from));
    return QByteArrayView(p, to - from);
}

char byteAt(QsciScintilla *editor, qsizetype pos)
{
    return char(send(editor, Sci::SCI_GETCHARAT, pos)); // Scintilla answers 0 outside the text
}

qsizetype caret(QsciScintilla *editor)
{
    return send(editor, Sci::SCI_GETCURRENTPOS);
}

qsizetype selectionStart(QsciScintilla *editor)
{
    return send(editor, Sci::SCI_GETSELECTIONSTART);
}

bool hasSelection(QsciScintilla *editor)
{
    return send(editor, Sci::SCI_GETSELECTIONEMPTY) == 0;
}

void select(QsciScintilla *editor, qsizetype anchor, qsizetype caretPos)
{
    send(editor, Sci::SCI_SETSEL, anchor, caretPos);
}

void moveCaret(QsciScintilla *editor, qsizetype pos)
{
    send(editor, Sci::SCI_GOTOPOS, pos);
}

qsizetype lineOf(QsciScintilla *editor, qsizetype pos)
{
    return send(editor, Sci::SCI_LINEFROMPOSITION, pos);
}

qsizetype lineStart(QsciScintilla *editor, qsizetype line)
{
    return send(editor, Sci::SCI_POSITIONFROMLINE, line);
}

qsizetype lineEnd(QsciScintilla *editor, qsizetype line)
{
    return send(editor, Sci::SCI_GETLINEENDPOSITION, line);
}

void changeQuietly(QsciScintilla *editor, const std::function<void()> &change)
{
    const long mask = send(editor, Sci::SCI_GETMODEVENTMASK);
    const int lines = editor->lines();
    send(editor, Sci::SCI_SETMODEVENTMASK, Sci::SC_MOD_CONTAINER); // the few undo actions of our own still report
    change();
    send(editor, Sci::SCI_SETMODEVENTMASK, mask);
    emit editor->textChanged();
    if (editor->lines() != lines)
        emit editor->linesChanged();
}

} // namespace EditorBytes
