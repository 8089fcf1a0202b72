// The editor's completion pop-ups: opening, filtering as the user types, and completing.
#include "reference/CompletionList.h"

#include "common/EditorBytes.h"
#include "common/EditorCaret.h"
#include "script/CaretText.h"
#include "script/CompletionRules.h"
#include "settings/ShortcutCode.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QScreen>
#include <QScrollBar>
#include <Qsci/qsciscintilla.h>

namespace {

constexpr int kVisibleRows = 10;
constexpr int kMinimumWidth = 160;
constexpr int kMaximumWidth = 520;
constexpr int kTextMargin = 4;

// One list at a time is open over the editor.
QPointer<CompletionList> openList;

} // namespace

CompletionList::CompletionList(QObject *parent) : QObject(parent)
{
}

CompletionList::~CompletionList()
{
    delete m_popup;
}

void CompletionList::attach(QsciScintilla *editor)
{
    m_editor = editor;
    editor->installEventFilter(this);
    editor->viewport()->installEventFilter(this);
    connect(editor, &QsciScintillaBase::SCN_CHARADDED, this, &CompletionList::charAdded);

    // A window of its own that never takes the focus: typing goes on in the editor.
    m_popup = new QListWidget;
    m_popup->setWindowFlags(Qt::ToolTip | Qt::WindowDoesNotAcceptFocus);
    m_popup->setAttribute(Qt::WA_ShowWithoutActivating);
    m_popup->setFocusPolicy(Qt::NoFocus);
    m_popup->setUniformItemSizes(true);
    m_popup->setSelectionMode(QAbstractItemView::SingleSelection);
    m_popup->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(m_popup, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *item) { complete(m_popup->row(item)); });
}

QListWidget *CompletionList::popup() const
{
    return m_popup;
}

bool CompletionList::isOpen() const
{
    return m_popup && m_popup->isVisible();
}

QStringList CompletionList::shownItems() const
{
    QStringList items;
    for (int row = 0; m_popup && row < m_popup->count(); ++row)
        items.append(m_popup->item(row)->text());
    return items;
}

bool CompletionList::open()
{
    if (!m_editor)
        return false;
    emit aboutToOpen();
    const EditorCaret caret = editorCaret(m_editor);
    m_startLine = caret.line;
    m_startIndex = int(CaretText::identStart(caret.text, caret.index));
    filter(caret.text.mid(m_startIndex, caret.index - m_startIndex));
    if (m_popup->count() == 0) {
        close();
        return false;
    }
    if (openList && openList != this)
        openList->close();
    openList = this;
    place();
    m_popup->show();
    return true;
}

void CompletionList::close()
{
    if (m_popup)
        m_popup->hide();
}

// The entries that begin with the word typed so far, in their order.
void CompletionList::filter(const QString &prefix)
{
    const QStringList &keys = matchInsertTexts ? insertTexts : shownTexts;
    m_rows = CompletionRules::matchingRows(keys, prefix);
    QStringList shown;
    shown.reserve(m_rows.size());
    for (int entry : std::as_const(m_rows))
        shown.append(shownTexts.value(entry, keys[entry]));
    m_popup->clear();
    m_popup->addItems(shown);
    m_popup->setCurrentRow(m_rows.isEmpty() ? -1 : 0);
}

// Follows the caret after a key: the list narrows, or closes when the caret has left the word.
void CompletionList::refresh()
{
    const EditorCaret caret = editorCaret(m_editor);
    const QString prefix = caret.text.mid(m_startIndex, caret.index - m_startIndex);
    const bool inWord = caret.line == m_startLine && caret.index >= m_startIndex
                        && CaretText::identStart(caret.text, caret.index) <= m_startIndex;
    if (!inWord) {
        close();
        return;
    }
    filter(prefix);
    if (m_popup->count() == 0)
        close();
    else
        place();
}

void CompletionList::complete(int row)
{
    if (row < 0 || row >= m_rows.size()) {
        close();
        return;
    }
    const int entry = m_rows[row];
    const QString value = matchInsertTexts ? insertTexts.value(entry) : shownTexts.value(entry);
    // Only what was typed is replaced: text after the caret stays, also when it continues the word.
    const EditorCaret caret = editorCaret(m_editor);
    close();
    m_editor->beginUndoAction();
    EditorBytes::select(m_editor, editorPosition(m_editor, m_startLine, m_startIndex),
                        editorPosition(m_editor, caret.line, caret.index));
    m_editor->replaceSelectedText(value);
    emit completed();
    m_editor->endUndoAction();
}

void CompletionList::moveCurrent(int rows)
{
    const int row = qBound(0, m_popup->currentRow() + rows, m_popup->count() - 1);
    m_popup->setCurrentRow(row);
    m_popup->scrollToItem(m_popup->item(row));
}

// Under the start of the word, or above the line when the screen ends below it.
void CompletionList::place()
{
    const long pos = long(editorPosition(m_editor, m_startLine, m_startIndex));
    const int x = int(m_editor->SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0UL, pos));
    const int top = int(m_editor->SendScintilla(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0UL, pos));
    const int lineHeight = int(m_editor->SendScintilla(QsciScintillaBase::SCI_TEXTHEIGHT, m_startLine));
    const int rowHeight = qMax(1, m_popup->sizeHintForRow(0));
    const int frame = 2 * m_popup->frameWidth();
    const int height = qMin(m_popup->count(), kVisibleRows) * rowHeight + frame;
    const int width = qBound(kMinimumWidth,
                             widestText() + 2 * kTextMargin + m_popup->verticalScrollBar()->sizeHint().width() + frame,
                             kMaximumWidth);
    QPoint at = m_editor->viewport()->mapToGlobal(QPoint(x, top + lineHeight));
    if (const QScreen *screen = m_editor->screen(); screen && at.y() + height > screen->availableGeometry().bottom())
        at.setY(at.y() - lineHeight - height);
    m_popup->setGeometry(QRect(at, QSize(width, height)));
}

// Shaping every line of a long list costs more than a frame: only the longest ones are measured.
int CompletionList::widestText() const
{
    qsizetype longest = 0;
    for (int row = 0; row < m_popup->count(); ++row)
        longest = qMax(longest, m_popup->item(row)->text().size());
    int widest = 0;
    const QFontMetrics metrics = m_popup->fontMetrics();
    for (int row = 0; row < m_popup->count(); ++row) {
        const QString text = m_popup->item(row)->text();
        if (text.size() * 4 >= longest * 3)
            widest = qMax(widest, metrics.horizontalAdvance(text));
    }
    return widest;
}

bool CompletionList::isShortcut(const QKeyEvent *key) const
{
    const QKeyCombination wanted = ShortcutCode::toKey(shortcutCode);
    if (wanted.key() == Qt::Key_unknown)
        return false;
    const Qt::Key pressed = key->key() == Qt::Key_Backtab ? Qt::Key_Tab : Qt::Key(key->key());
    const Qt::KeyboardModifiers mods = key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    return QKeyCombination(mods, pressed) == wanted;
}

// The keys an open list takes before the editor and the window's shortcuts.
bool CompletionList::isListKey(const QKeyEvent *key) const
{
    switch (key->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
    case Qt::Key_Escape:
        return true;
    default:
        return key->text().size() == 1 && endOfTokenChars.contains(key->text()[0]);
    }
}

bool CompletionList::handleListKey(QKeyEvent *key)
{
    switch (key->key()) {
    case Qt::Key_Up:
        moveCurrent(-1);
        return true;
    case Qt::Key_Down:
        moveCurrent(1);
        return true;
    case Qt::Key_PageUp:
        moveCurrent(-kVisibleRows);
        return true;
    case Qt::Key_PageDown:
        moveCurrent(kVisibleRows);
        return true;
    case Qt::Key_Escape:
        close();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
        complete(m_popup->currentRow());
        return true;
    default:
        break;
    }
    // An end character takes the entry only once something of it has been typed: a blank after
    // a full stop, or the quote of an empty string, goes in as it is.
    const QString text = key->text();
    if (text.size() == 1 && endOfTokenChars.contains(text[0])) {
        if (editorCaret(m_editor).index == m_startIndex) {
            close();
            return false;
        }
        complete(m_popup->currentRow());
        const EditorCaret caret = editorCaret(m_editor);
        if (caret.index > 0 && caret.text[caret.index - 1] == text[0])
            return true;
    }
    forwardToEditor(key);
    return true;
}

// The key goes to the editor at once, so the list can follow what it did.
void CompletionList::forwardToEditor(QKeyEvent *key)
{
    static_cast<QObject *>(m_editor.data())->event(key);
    if (isOpen())
        refresh();
}

void CompletionList::charAdded(int ch)
{
    if (!isOpen() && ch > 0 && ch < 0x10000 && triggerChars.contains(QChar(ch)))
        open();
}

bool CompletionList::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_editor)
        return false;
    if (watched == m_editor) {
        switch (event->type()) {
        case QEvent::ShortcutOverride: {
            auto *key = static_cast<QKeyEvent *>(event);
            if ((isOpen() && isListKey(key)) || isShortcut(key)) {
                key->accept();
                return true;
            }
            break;
        }
        case QEvent::KeyPress: {
            auto *key = static_cast<QKeyEvent *>(event);
            if (isOpen())
                return handleListKey(key);
            if (isShortcut(key)) {
                // Used up even when nothing opens: the key stands for completion here.
                if (!open() && fallback && fallback->isShortcut(key))
                    fallback->open();
                return true;
            }
            break;
        }
        case QEvent::FocusOut:
        case QEvent::Hide:
            close();
            break;
        default:
            break;
        }
    } else if (watched == m_editor->viewport() && event->type() == QEvent::MouseButtonPress) {
        close();
    }
    return false;
}
