// The key is taken before the editor sees it, so it works wherever the editor has the focus.
#include "editor/LineDeleteKey.h"

#include <QKeyEvent>
#include <Qsci/qsciscintilla.h>

LineDeleteKey::LineDeleteKey(QsciScintilla *editor) : QObject(editor), m_editor(editor)
{
    setObjectName(QStringLiteral("LineDeleteKey"));
    m_editor->installEventFilter(this);
}

bool LineDeleteKey::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_editor || event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_F8 || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    m_editor->SendScintilla(QsciScintillaBase::SCI_LINEDELETE);
    return true;
}
