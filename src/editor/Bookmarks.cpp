// Bookmarks as one QScintilla marker each; the caret column kept in characters.
#include "editor/Bookmarks.h"

#include "editor/EditorBytes.h"
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
    qApp->installEventFilter(this);
}

void Bookmarks::defineMarkers()
{
    int mask = 0;
    for (int n = 0; n < kCount; ++n) {
        m_markers[n] = m_editor->markerDefine(markerImage(n));
        mask |= 1 << m_markers[n];
    }
    m_editor->setMarginType(kMarginNumber, QsciScintilla::SymbolMargin);
    m_editor->setMarginMarkerMask(kMarginNumber, mask);
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
    for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 0})
        m_editor->markerDeleteAll(m_markers[n]);
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
