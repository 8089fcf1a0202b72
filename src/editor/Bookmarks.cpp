// Bookmarks as one QScintilla marker each; the caret column kept in characters. Deleting line
// breaks merges the markers of the joined lines into one, and undoing it cannot tell them apart
// again: the bookmarks of joined lines are remembered with an undo action of their own.
#include "editor/Bookmarks.h"

#include "common/EditorBytes.h"
#include "search/TextOffsets.h"
#include "search/WordRuns.h"
#include "text/BookmarkCaptions.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <Qsci/qsciscintilla.h>

namespace {

using Sci = QsciScintillaBase;
constexpr int kMarginNumber = 1;

// A small numbered tab, so that the margin tells the bookmarks apart.
QImage markerImage(int number)
{
    QImage image(14, 14, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(0x1f, 0x4e, 0x8c));
    p.setBrush(QColor(0x3a, 0x7b, 0xd5));
    p.drawRoundedRect(QRectF(0.5, 0.5, 13, 13), 3, 3);
    QFont font = QApplication::font();
    font.setPixelSize(10);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, 14, 14), Qt::AlignCenter, QString::number(number));
    return image;
}

} // namespace

Bookmarks::Bookmarks(QsciScintilla *editor, const Items &setItems, const Items &goItems, QWidget *window)
    : QObject(window), m_editor(editor), m_setItems(setItems), m_goItems(goItems), m_window(window)
{
    setObjectName(QStringLiteral("Bookmarks"));
    defineMarkers();
    for (int n = 0; n < kCount; ++n) {
        connect(m_setItems[n], &QAction::triggered, this, [this, n] { set(n); });
        connect(m_goItems[n], &QAction::triggered, this, [this, n] { go(n); });
    }
    connect(m_editor, &QsciScintillaBase::SCN_MODIFIED, this,
            [this](int position, int type, const char *, int length, int, int, int, int, int token, int) {
                textModified(position, type, length, token);
            });
    qApp->installEventFilter(this);
}

void Bookmarks::defineMarkers()
{
    int mask = 0;
    for (int n = 0; n < kCount; ++n) {
        m_markers[n] = m_editor->markerDefine(markerImage(n));
        mask |= 1 << m_markers[n];
    }
    m_markerMask = mask;
    m_editor->setMarginType(kMarginNumber, QsciScintilla::SymbolMargin);
    m_editor->setMarginMarkerMask(kMarginNumber, mask);
}

void Bookmarks::textModified(int position, int type, int length, int token)
{
    if ((type & Sci::SC_MOD_BEFOREDELETE) && (type & Sci::SC_PERFORMED_USER)) {
        rememberJoinedLines(position, position + length);
    } else if ((type & Sci::SC_MOD_DELETETEXT) && m_stepOpen) {
        m_stepOpen = false;
        m_editor->SendScintilla(Sci::SCI_ENDUNDOACTION);
    } else if ((type & Sci::SC_MOD_CONTAINER) && (type & Sci::SC_PERFORMED_UNDO)) {
        putBack(token);
    }
}

// The undo action goes in ahead of the deletion, in one step with it: undoing the step brings the
// text back first and then the bookmarks.
void Bookmarks::rememberJoinedLines(qsizetype from, qsizetype to)
{
    const int first = int(EditorBytes::lineOf(m_editor, from));
    const int last = int(EditorBytes::lineOf(m_editor, to));
    if (first == last || !m_editor->SendScintilla(Sci::SCI_GETUNDOCOLLECTION))
        return;
    QList<Placement> placed;
    for (long at = m_editor->SendScintilla(Sci::SCI_MARKERNEXT, first, m_markerMask); at >= 0 && at <= last;
         at = m_editor->SendScintilla(Sci::SCI_MARKERNEXT, at + 1, m_markerMask)) {
        const long onLine = m_editor->SendScintilla(Sci::SCI_MARKERGET, at);
        for (int n = 0; n < kCount; ++n)
            if (onLine & (1L << m_markers[n]))
                placed.append({n, int(at), m_generations[n]});
    }
    if (placed.isEmpty())
        return;
    const bool wasSaved = !m_editor->isModified();
    m_joined.insert(++m_lastToken, placed);
    m_editor->SendScintilla(Sci::SCI_BEGINUNDOACTION);
    m_editor->SendScintilla(Sci::SCI_ADDUNDOACTION, m_lastToken, 0L);
    m_stepOpen = true;
    // The action moved the document off its save point before the deletion could report it.
    if (wasSaved)
        emit m_editor->modificationChanged(true);
}

// Only a bookmark that has not been set or cleared since goes back.
void Bookmarks::putBack(int token)
{
    for (const Placement &placement : m_joined.value(token)) {
        if (m_generations[placement.number] != placement.generation)
            continue;
        m_editor->markerDeleteAll(m_markers[placement.number]);
        m_editor->markerAdd(placement.line, m_markers[placement.number]);
    }
}

void Bookmarks::set(int number)
{
    const qsizetype caret = EditorBytes::caret(m_editor);
    const qsizetype line = EditorBytes::lineOf(m_editor, caret);
    const qsizetype lineStart = EditorBytes::lineStart(m_editor, line);
    const QByteArrayView lineText = EditorBytes::range(m_editor, lineStart, EditorBytes::lineEnd(m_editor, line));
    const WordRuns::Run word = WordRuns::wordAtCaret(lineText, caret - lineStart);

    m_editor->markerDeleteAll(m_markers[number]);
    m_editor->markerAdd(int(line), m_markers[number]);
    ++m_generations[number];
    m_columns[number] = TextOffsets::charCount(lineText.first(caret - lineStart));

    const QString caption = BookmarkCaptions::afterSet(number, line + 1,
                                                       QString::fromUtf8(lineText.sliced(word.start, word.size())));
    m_setItems[number]->setText(caption);
    m_goItems[number]->setText(caption);
}

int Bookmarks::line(int number) const
{
    return int(m_editor->SendScintilla(Sci::SCI_MARKERNEXT, 0, 1L << m_markers[number]));
}

void Bookmarks::go(int number)
{
    const int at = line(number);
    if (at < 0)
        return;
    const qsizetype lineStart = EditorBytes::lineStart(m_editor, at);
    const QByteArrayView lineText = EditorBytes::range(m_editor, lineStart, EditorBytes::lineEnd(m_editor, at));
    EditorBytes::moveCaret(m_editor, lineStart + TextOffsets::byteLength(lineText, m_columns[number]));
}

void Bookmarks::clearAll()
{
    for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 0}) {
        m_editor->markerDeleteAll(m_markers[n]);
        ++m_generations[n];
    }
    for (const Items *items : {&m_setItems, &m_goItems})
        for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 0})
            (*items)[n]->setText(BookmarkCaptions::afterClear(n));
}

bool Bookmarks::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride)
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != m_window)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    if (mods != Qt::ControlModifier && mods != (Qt::ControlModifier | Qt::ShiftModifier))
        return false;
    const int digit = BookmarkCaptions::digitKey(key->key(), key->modifiers().testFlag(Qt::KeypadModifier),
                                                 key->nativeVirtualKey(), key->nativeScanCode());
    if (digit < 0)
        return false;
    // Taking the shortcut override keeps Qt's shortcut map, which matches on the produced
    // character, out of it; the key press that follows does the work.
    event->accept();
    if (type == QEvent::KeyPress) {
        if (mods.testFlag(Qt::ShiftModifier))
            set(digit);
        else
            go(digit);
    }
    return true;
}
