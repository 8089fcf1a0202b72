// The reference tree's list control: its own drawing of the rows, the columns and the header.
#include "reference/TreeList.h"

#include "text/ColumnText.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

constexpr int kImageGap = 2;

// Draws every cell of a row: its background, and the parts of the node's text that fall into
// its column (the last column also draws what lies beyond the columns).
class TreeListDelegate : public QStyledItemDelegate
{
public:
    explicit TreeListDelegate(TreeList *tree) : QStyledItemDelegate(tree), m_tree(tree) {}

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const QString text = index.siblingAtColumn(0).data().toString();
        const qsizetype cut = m_tree->separator().isEmpty() ? -1 : text.indexOf(m_tree->separator());
        return {option.fontMetrics.horizontalAdvance(cut < 0 ? text : text.left(cut)) + m_tree->gap(),
                m_tree->itemHeight()};
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const int column = index.column();
        const bool lastColumn = column == index.model()->columnCount(index.parent()) - 1;
        const bool selected = option.state & QStyle::State_Selected;
        const int rowRight = qMax(m_tree->viewport()->width(), option.rect.right() + 1);

        QRect area = option.rect;
        if (lastColumn)
            area.setRight(rowRight - 1);
        painter->fillRect(area, selected ? option.palette.highlight() : option.palette.base());

        const QModelIndex node = index.siblingAtColumn(0);
        const QIcon icon = node.data(Qt::DecorationRole).value<QIcon>();
        const int origin = m_tree->header()->sectionViewportPosition(0);
        int x = column == 0 ? option.rect.left() : origin;
        if (column == 0 && !icon.isNull() && imageIn(0)) {
            if (x + iconWidth() < origin + columnWidth(0))
                icon.paint(painter, QRect(x, option.rect.top(), iconWidth(), option.rect.height()));
            x += iconWidth();
        }

        QList<int> widths;
        for (const TreeList::Column &c : m_tree->columns())
            widths.append(c.width);
        const ColumnText::Row row{x, origin, rowRight, m_tree->gap()};
        painter->save();
        for (const ColumnText::Part &part : ColumnText::layout(node.data().toString(), m_tree->separator(), widths, row))
            if (part.column == column || (lastColumn && part.column > column))
                drawPart(painter, option, part, icon);
        painter->restore();
    }

private:
    bool imageIn(int column) const
    {
        return column < m_tree->columns().size() && m_tree->columns()[column].image;
    }
    int iconWidth() const { return m_tree->iconSize().isValid() ? m_tree->iconSize().width() : 16; }
    int columnWidth(int column) const
    {
        return column < m_tree->columns().size() ? m_tree->columns()[column].width : m_tree->viewport()->width();
    }

    void drawPart(QPainter *painter, const QStyleOptionViewItem &option, const ColumnText::Part &part,
                  const QIcon &icon) const
    {
        QRect rect(QPoint(part.left, option.rect.top()), QPoint(part.right - 1, option.rect.bottom()));
        if (!icon.isNull() && imageIn(part.column)) {
            if (part.column >= 1) {
                if (columnWidth(part.column) > iconWidth())
                    icon.paint(painter, QRect(rect.left(), rect.top(), iconWidth(), rect.height()));
                rect.setLeft(rect.left() + iconWidth() + kImageGap);
            } else {
                rect.setLeft(rect.left() + kImageGap);
            }
        }
        if (rect.width() <= 0)
            return;
        const bool hasColumn = part.column < m_tree->columns().size();
        const QFont font = hasColumn ? m_tree->columns()[part.column].font : m_tree->font();
        const Qt::Alignment align = hasColumn ? m_tree->columns()[part.column].alignment : Qt::AlignLeft;
        const bool selected = option.state & QStyle::State_Selected;
        painter->setFont(font);
        painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        const QString shown = QFontMetrics(font).elidedText(part.text, Qt::ElideRight, rect.width());
        painter->drawText(rect, int(align | Qt::AlignVCenter) | Qt::TextSingleLine, shown);
    }

    TreeList *m_tree;
};

} // namespace

TreeList::TreeList(QWidget *parent) : QTreeWidget(parent)
{
    setItemDelegate(new TreeListDelegate(this));
    setEditTriggers(NoEditTriggers);
    setIndentation(19);
    setUniformRowHeights(true);
    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectRows);
    setAllColumnsShowFocus(true); // the view draws the focus frame around the whole row
    m_headerSettings.font = font();
    header()->setMinimumSectionSize(1); // the first section's own minimum is the indent
    header()->viewport()->installEventFilter(this);
    connect(header(), &QHeaderView::sectionResized, this, &TreeList::sectionResized);
    updateColumns();
    applyHeaderSettings();
}

void TreeList::setColumns(const QList<Column> &columns)
{
    m_columns = columns;
    updateColumns();
}

void TreeList::setColumnLines(bool on)
{
    if (on == m_columnLines)
        return;
    m_columnLines = on;
    viewport()->update();
}

QList<int> TreeList::columnLinePositions() const
{
    QList<int> positions;
    if (!m_columnLines)
        return positions;
    int sum = 0;
    for (int i = 1; i < m_columns.size(); ++i) {
        sum += m_columns[i - 1].width;
        positions.append(sum - 2 - horizontalOffset());
    }
    return positions;
}

void TreeList::setSeparator(const QString &separator)
{
    m_separator = separator;
    viewport()->update();
}

void TreeList::setItemHeight(int height)
{
    if (height == m_itemHeight)
        return;
    m_itemHeight = height;
    doItemsLayout();
}

void TreeList::setHeaderSettings(const HeaderSettings &settings)
{
    m_headerSettings = settings;
    applyHeaderSettings();
}

void TreeList::setImages(const QList<QIcon> &images)
{
    m_images = images;
    updateColumns();
}

void TreeList::updateColumns()
{
    m_updatingColumns = true;
    setColumnCount(qMax(1, int(m_columns.size())));
    QTreeWidgetItem *titles = headerItem();
    titles->setText(0, QString());
    for (int i = 0; i < m_columns.size(); ++i) {
        const Column &c = m_columns[i];
        titles->setText(i, c.header);
        titles->setTextAlignment(i, c.headerAlignment | Qt::AlignVCenter);
        titles->setIcon(i, c.headerImage >= 0 ? m_images.value(c.headerImage) : QIcon());
    }
    header()->setStretchLastSection(m_columns.isEmpty());
    for (int i = 0; i < m_columns.size(); ++i)
        header()->resizeSection(i, m_columns[i].width);
    m_updatingColumns = false;
    viewport()->update();
}

void TreeList::applyHeaderSettings()
{
    const HeaderSettings &s = m_headerSettings;
    header()->setVisible(s.visible);
    header()->setFixedHeight(s.height);
    header()->setSectionResizeMode(s.allowResize ? QHeaderView::Interactive : QHeaderView::Fixed);
    header()->setFont(s.font);
    header()->setFrameShape(s.flat ? QFrame::NoFrame : QFrame::StyledPanel);
    QPalette palette = this->palette();
    if (s.color.isValid()) {
        palette.setColor(QPalette::Button, s.color);
        palette.setColor(QPalette::Window, s.color);
    }
    header()->setPalette(palette);
}

int TreeList::minimumFirstSection() const
{
    return indentation() + (m_images.isEmpty() ? 0 : iconSize().width());
}

void TreeList::sectionResized(int section, int /*oldWidth*/, int newWidth)
{
    if (m_updatingColumns)
        return;
    if (section == 0 && newWidth < minimumFirstSection()) {
        newWidth = minimumFirstSection();
        header()->resizeSection(0, newWidth);
    }
    if (section < m_columns.size())
        m_columns[section].width = newWidth;
    viewport()->update();
}

// A click anywhere on a row selects it, also in the indent and right of the text.
void TreeList::mousePressEvent(QMouseEvent *event)
{
    QTreeWidget::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    const QModelIndex index = indexAt(QPoint(columnViewportPosition(0), event->position().toPoint().y()));
    if (index.isValid())
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void TreeList::paintEvent(QPaintEvent *event)
{
    QTreeWidget::paintEvent(event);
    const QList<int> lines = columnLinePositions();
    if (lines.isEmpty())
        return;
    QPainter painter(viewport());
    painter.setPen(QColor(0xC0, 0xC0, 0xC0));
    for (int x : lines)
        painter.drawLine(x, 0, x, viewport()->height());
}

bool TreeList::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == header()->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        QList<int> widths;
        for (const Column &c : m_columns)
            widths.append(c.width);
        const int section = ColumnText::sectionAt(widths, mouse->position().toPoint().x() + header()->offset());
        if (mouse->button() == Qt::LeftButton)
            emit headerClicked(section);
        else if (mouse->button() == Qt::RightButton)
            emit headerRightClicked(section);
    }
    return QTreeWidget::eventFilter(watched, event);
}
