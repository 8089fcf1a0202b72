// Key presses become the combination; modifiers alone show what is held so far.
#include "dialogs/HotKeyBox.h"

#include "settings/ShortcutCode.h"

#include <QKeyEvent>
#include <QKeySequence>

namespace {

constexpr Qt::KeyboardModifiers kModifiers = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;

bool isModifierKey(int key)
{
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta
        || key == Qt::Key_AltGr;
}

} // namespace

HotKeyBox::HotKeyBox(QWidget *parent) : QLineEdit(parent)
{
    setContextMenuPolicy(Qt::NoContextMenu);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    showText();
}

void HotKeyBox::setCode(int code)
{
    m_code = code;
    showText();
}

bool HotKeyBox::event(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept(); // every key is for this box while it has the focus
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            keyPressEvent(static_cast<QKeyEvent *>(event));
            return true;
        }
    }
    return QLineEdit::event(event);
}

void HotKeyBox::keyPressEvent(QKeyEvent *event)
{
    int key = event->key();
    Qt::KeyboardModifiers mods = event->modifiers() & kModifiers;
    if (key == Qt::Key_Backtab) {
        key = Qt::Key_Tab;
        mods |= Qt::ShiftModifier;
    }
    if (isModifierKey(key)) {
        showText(mods);
        return;
    }
    if (key == Qt::Key_Backspace && !mods) {
        setCode(0);
        return;
    }
    const int code = ShortcutCode::fromKey(QKeyCombination(mods, Qt::Key(key)));
    if (code != 0)
        setCode(code);
    else
        showText();
}

void HotKeyBox::keyReleaseEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers held = event->modifiers() & kModifiers;
    showText(isModifierKey(event->key()) ? held : Qt::KeyboardModifiers());
}

void HotKeyBox::showText(Qt::KeyboardModifiers held)
{
    if (held) {
        setText(QString(held & Qt::ControlModifier ? "Ctrl+" : "") + (held & Qt::AltModifier ? "Alt+" : "")
                + (held & Qt::ShiftModifier ? "Shift+" : ""));
        return;
    }
    const QKeyCombination key = ShortcutCode::toKey(m_code);
    setText(key == QKeyCombination() ? QStringLiteral("Нет") : QKeySequence(key).toString(QKeySequence::NativeText));
}
