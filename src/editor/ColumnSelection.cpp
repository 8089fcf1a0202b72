// QScintilla makes a rectangle only while Ctrl is held (Alt on macOS) or with Alt+Shift and the
// cursor keys; column mode lends the mouse that modifier and gives Shift's keys to the rectangle.
#include "editor/ColumnSelection.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>
#include <Qsci/qsciscintilla.h>
#include <utility>

namespace {

using Cmd = QsciCommand;

constexpr std::pair<Cmd::Command, Cmd::Command> kExtendPairs[] = {
    {Cmd::CharLeftExtend, Cmd::CharLeftRectExtend},   {Cmd::CharRightExtend, Cmd::CharRightRectExtend},
    {Cmd::LineUpExtend, Cmd::LineUpRectExtend},       {Cmd::LineDownExtend, Cmd::LineDownRectExtend},
    {Cmd::VCHomeExtend, Cmd::VCHomeRectExtend},       {Cmd::LineEndExtend, Cmd::LineEndRectExtend},
    {Cmd::PageUpExtend, Cmd::PageUpRectExtend},       {Cmd::PageDownExtend, Cmd::PageDownRectExtend},
};

#ifdef Q_OS_MACOS
constexpr Qt::KeyboardModifier kRectangleModifier = Qt::AltModifier;
#else
constexpr Qt::KeyboardModifier kRectangleModifier = Qt::ControlModifier;
#endif

} // namespace

ColumnSelection::ColumnSelection(QsciScintilla *editor)
    : QObject(editor), m_editor(editor), m_viewport(editor->viewport())
{
    editor->viewport()->installEventFilter(this);
    // A block may reach past the end of a short line, as the caret may while it is drawn.
    editor->SendScintilla(QsciScintillaBase::SCI_SETVIRTUALSPACEOPTIONS, QsciScintillaBase::SCVS_RECTANGULARSELECTION);
}

void ColumnSelection::setEnabled(bool on)
{
    // Setting the mode also makes plain cursor moves extend the selection; cancelling ends that
    // and keeps the selection's shape.
    m_editor->SendScintilla(QsciScintillaBase::SCI_SETSELECTIONMODE,
                            on ? QsciScintillaBase::SC_SEL_RECTANGLE : QsciScintillaBase::SC_SEL_STREAM);
    m_editor->SendScintilla(QsciScintillaBase::SCI_CANCEL);
    if (on != m_enabled)
        swapExtendKeys();
    m_enabled = on;
}

// Each pair trades its keys; all are unbound first, as binding one key drops it from the other.
void ColumnSelection::swapExtendKeys()
{
    QsciCommandSet *commands = m_editor->standardCommands();
    for (const auto &[stream, rectangle] : kExtendPairs) {
        Cmd *a = commands->find(stream);
        Cmd *b = commands->find(rectangle);
        if (!a || !b)
            continue;
        const int keys[] = {a->key(), a->alternateKey(), b->key(), b->alternateKey()};
        for (Cmd *c : {a, b}) {
            c->setKey(0);
            c->setAlternateKey(0);
        }
        a->setKey(keys[2]);
        a->setAlternateKey(keys[3]);
        b->setKey(keys[0]);
        b->setAlternateKey(keys[1]);
    }
}

bool ColumnSelection::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_enabled || watched != m_viewport)
        return false;
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return false;
    auto *mouse = static_cast<QMouseEvent *>(event);
    const bool left = mouse->button() == Qt::LeftButton || (mouse->buttons() & Qt::LeftButton);
    if (!left || (mouse->modifiers() & kRectangleModifier))
        return false;
    QMouseEvent lent(type, mouse->position(), mouse->scenePosition(), mouse->globalPosition(), mouse->button(),
                     mouse->buttons(), mouse->modifiers() | kRectangleModifier);
    QCoreApplication::sendEvent(watched, &lent);
    return true;
}
