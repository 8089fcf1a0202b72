// Caret position, lock keys, insert mode, time, memory load and the viewed share of the text.
#include "editor/StatusBarUpdater.h"

#include "common/EditorBytes.h"
#include "editor/StatusBar.h"
#include "platform/KeyState.h"
#include "platform/MemoryLoad.h"
#include "search/TextOffsets.h"
#include "text/StatusTexts.h"

#include <QAbstractEventDispatcher>
#include <QLocale>
#include <QTime>
#include <Qsci/qsciscintilla.h>

namespace {
using Sci = QsciScintillaBase;
}

StatusBarUpdater::StatusBarUpdater(StatusBar *statusBar, QsciScintilla *editor)
    : QObject(statusBar),
      m_statusBar(statusBar),
      m_editor(editor),
      m_timeFormat(StatusTexts::withoutTimeZone(QLocale().timeFormat(QLocale::LongFormat)))
{
    setObjectName(QStringLiteral("StatusBarUpdater"));
    if (QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance())
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &StatusBarUpdater::refresh);
}

void StatusBarUpdater::refresh()
{
    setPanel(0, caretPosition());
    setPanel(5, StatusTexts::time(QLocale().toString(QTime::currentTime(), m_timeFormat)));
    const KeyState::LockKeys locks = KeyState::lockKeys();
    setPanel(1, StatusTexts::lockKey("CAP", locks.caps));
    setPanel(2, StatusTexts::lockKey("NUM", locks.num));
    setPanel(3, StatusTexts::lockKey("SCRL", locks.scroll));
    setPanel(4, StatusTexts::insertMode(m_editor->overwriteMode()));
    setPanel(6, StatusTexts::memoryLoad(MemoryLoad::percent()));
    setPanel(7, StatusTexts::viewed(viewedPercent()));
}

void StatusBarUpdater::setPanel(int index, const QString &text)
{
    if (m_statusBar->panelText(index) != text)
        m_statusBar->setPanelText(index, text);
}

QString StatusBarUpdater::caretPosition() const
{
    const qsizetype caret = EditorBytes::caret(m_editor);
    const qsizetype line = EditorBytes::lineOf(m_editor, caret);
    const qsizetype lineStart = EditorBytes::lineStart(m_editor, line);
    const qsizetype column = TextOffsets::charCount(EditorBytes::range(m_editor, lineStart, caret));
    return StatusTexts::caretPosition(line + 1, column + 1);
}

int StatusBarUpdater::viewedPercent() const
{
    // An empty text has no lines, though the editor always shows one.
    const long lines = m_editor->length() == 0 ? 0 : m_editor->lines();
    const long top = m_editor->SendScintilla(Sci::SCI_GETFIRSTVISIBLELINE) + 1;
    const long window = m_editor->SendScintilla(Sci::SCI_LINESONSCREEN);
    return StatusTexts::viewedPercent(top, window, lines);
}
