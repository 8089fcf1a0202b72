// The value list: grid lines that size rows and columns, and a wrapping cell editor.
#include "reference/ValueList.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QStyledItemDelegate>

#include <cstdlib>

namespace {

constexpr int kGrip = 3; // how near a grid line the mouse takes it

int along(Qt::Orientation orientation, const QPoint &pos)
{
    return orientation == Qt::Horizontal ? pos.x() : pos.y();
}

// Whether a cell has room for more than one line of text.
bool holdsLines(const QStyleOptionViewItem &option)
{
    return option.rect.height() >= 2 * option.fontMetrics.lineSpacing();
}

// Plain text to select and copy from; it wraps once its row holds more than one line, as the
// value does when it is only shown.
class ValueEditorDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        auto *editor = new QPlainTextEdit(parent);
        editor->setFrameShape(QFrame::NoFrame);
        editor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        editor->document()->setDocumentMargin(1);
        editor->setContentsMargins(2, 0, 0, 0); // the text stays where the cell shows it
        return editor;
    }

protected:
    // In a row made taller a value reads from the top, its name beside its first line.
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (holdsLines(*option))
            option->displayAlignment = Qt::AlignLeft | Qt::AlignTop;
    }

public:
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option, const QModelIndex &) const override
    {
        auto *text = static_cast<QPlainTextEdit *>(editor);
        const bool tall = holdsLines(option);
        text->setLineWrapMode(tall ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
        text->setVerticalScrollBarPolicy(tall ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
        editor->setGeometry(option.rect);
    }
};

} // namespace

ValueList::ValueList(QWidget *parent) : QTableWidget(parent)
{
    setItemDelegate(new ValueEditorDelegate(this));
    setWordWrap(true);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    horizontalHeader()->setStretchLastSection(false); // fillWidth() lets it grow past the window
    viewport()->setMouseTracking(true);
}

QHeaderView *ValueList::header(Qt::Orientation orientation) const
{
    return orientation == Qt::Horizontal ? horizontalHeader() : verticalHeader();
}

int ValueList::lineEnd(const GridLine &line) const
{
    const QHeaderView *sections = header(line.orientation);
    return sections->sectionViewportPosition(line.section) + sections->sectionSize(line.section);
}

// Only the lines within the grid; a column's line is preferred where two cross.
ValueList::GridLine ValueList::lineAt(const QPoint &pos) const
{
    if (rowCount() == 0 || columnCount() == 0)
        return {};
    const int gridRight = lineEnd({Qt::Horizontal, columnCount() - 1});
    const int gridBottom = lineEnd({Qt::Vertical, rowCount() - 1});
    for (const Qt::Orientation orientation : {Qt::Horizontal, Qt::Vertical}) {
        const int across = along(orientation == Qt::Horizontal ? Qt::Vertical : Qt::Horizontal, pos);
        if (across > (orientation == Qt::Horizontal ? gridBottom : gridRight))
            continue;
        for (int section = 0; section < header(orientation)->count(); ++section)
            if (std::abs(along(orientation, pos) - lineEnd({orientation, section})) <= kGrip)
                return {orientation, section};
    }
    return {};
}

void ValueList::mousePressEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    const GridLine line = event->button() == Qt::LeftButton ? lineAt(pos) : GridLine{};
    if (line.section < 0) {
        QTableWidget::mousePressEvent(event);
        return;
    }
    m_dragged = line;
    m_dragOffset = along(line.orientation, pos) - lineEnd(line);
}

void ValueList::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (m_dragged.section >= 0) {
        const int start = header(m_dragged.orientation)->sectionViewportPosition(m_dragged.section);
        resizeSection(m_dragged, along(m_dragged.orientation, pos) - m_dragOffset - start);
        return;
    }
    if (event->buttons() == Qt::NoButton)
        showLineCursor(pos);
    QTableWidget::mouseMoveEvent(event);
}

void ValueList::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_dragged.section >= 0 && event->button() == Qt::LeftButton) {
        m_dragged = {};
        return;
    }
    QTableWidget::mouseReleaseEvent(event);
}

// A double click on a line fits its row to the wrapped value, or its column to the longest one.
void ValueList::mouseDoubleClickEvent(QMouseEvent *event)
{
    const GridLine line = event->button() == Qt::LeftButton ? lineAt(event->position().toPoint()) : GridLine{};
    if (line.section < 0) {
        QTableWidget::mouseDoubleClickEvent(event);
        return;
    }
    fitToContents(line);
}

void ValueList::resizeEvent(QResizeEvent *event)
{
    QTableWidget::resizeEvent(event);
    fillWidth();
}

void ValueList::showLineCursor(const QPoint &pos)
{
    const GridLine line = lineAt(pos);
    if (line.section < 0)
        viewport()->unsetCursor();
    else
        viewport()->setCursor(line.orientation == Qt::Horizontal ? Qt::SplitHCursor : Qt::SplitVCursor);
}

void ValueList::resizeSection(const GridLine &line, int size)
{
    QHeaderView *sections = header(line.orientation);
    size = std::max(size, sections->minimumSectionSize());
    if (line.orientation == Qt::Horizontal && line.section == columnCount() - 1)
        m_lastWidth = size;
    sections->resizeSection(line.section, size);
    fillWidth();
}

void ValueList::fitToContents(const GridLine &line)
{
    resizeSection(line, line.orientation == Qt::Horizontal ? sizeHintForColumn(line.section)
                                                           : sizeHintForRow(line.section));
}

// The last column takes the room the others leave, or the width the user gave it if that is more.
void ValueList::fillWidth()
{
    const int last = columnCount() - 1;
    if (last < 0)
        return;
    int others = 0;
    for (int column = 0; column < last; ++column)
        others += columnWidth(column);
    const int width = std::max(m_lastWidth, viewport()->width() - others);
    if (columnWidth(last) != width)
        horizontalHeader()->resizeSection(last, width);
}
