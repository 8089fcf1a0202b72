// The keys are taken before the editor sees them, so they work wherever the editor has the focus.
#include "editor/EditorKeys.h"

#include "common/EditorBytes.h"

#include <QKeyEvent>
#include <Qsci/qscicommandset.h>
#include <Qsci/qsciscintilla.h>

namespace {

bool isBoundTo(QsciScintilla *editor, QsciCommand::Command command, int key)
{
    const QsciCommand *bound = editor->standardCommands()->find(command);
    return bound && key != 0 && (bound->key() == key || bound->alternateKey() == key);
}

} // namespace

EditorKeys::EditorKeys(QsciScintilla *editor) : QObject(editor), m_editor(editor)
{
    setObjectName(QStringLiteral("EditorKeys"));
    m_editor->installEventFilter(this);
}

void EditorKeys::undo(QsciScintilla *editor)
{
    if (editor->isUndoAvailable())
        EditorBytes::changeQuietly(editor, [editor] { editor->undo(); });
}

void EditorKeys::redo(QsciScintilla *editor)
{
    if (editor->isRedoAvailable())
        EditorBytes::changeQuietly(editor, [editor] { editor->redo(); });
}

bool EditorKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_editor || event->type() != QEvent::KeyPress)
        return false;
    const auto *press = static_cast<QKeyEvent *>(event);
    const Qt::KeyboardModifiers mods = press->modifiers() & ~Qt::KeypadModifier;
    if (press->key() == Qt::Key_F8 && mods == Qt::NoModifier) {
        m_editor->SendScintilla(QsciScintillaBase::SCI_LINEDELETE);
        return true;
    }
    // Alt with a letter is a menu's or a command's key: a key no command takes types nothing.
    if ((mods & Qt::AltModifier) && !(mods & Qt::ControlModifier) && !press->text().isEmpty()
        && press->text().front().isPrint())
        return true;
    const int key = QKeyCombination(mods, Qt::Key(press->key())).toCombined();
    if (isBoundTo(m_editor, QsciCommand::Undo, key)) {
        undo(m_editor);
        return true;
    }
    if (isBoundTo(m_editor, QsciCommand::Redo, key)) {
        redo(m_editor);
        return true;
    }
    return false;
}
