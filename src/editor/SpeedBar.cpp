// Building the speed bar from its layout, and the drags of the customise mode.
#include "editor/SpeedBar.h"

#include "settings/SpeedBarCatalog.h"

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>
#include <QToolButton>

const QString SpeedBar::kItemMimeType = QStringLiteral("application/x-velmora-speed-item");

namespace {

// Icons drawn at the sizes of the icon themes' own grids stay sharp.
int iconSizeFor(int buttonSize)
{
    return buttonSize >= 36 ? 32 : 22;
}

QString draggedName(const QMimeData *data)
{
    return data && data->hasFormat(SpeedBar::kItemMimeType)
               ? QString::fromUtf8(data->data(SpeedBar::kItemMimeType))
               : QString();
}

} // namespace

SpeedBar::SpeedBar(QWidget *parent) : QToolBar(parent)
{
    setAcceptDrops(true);
    // The window's own menu of bars would hide this one behind the back of "Тулбар" in "Опции".
    setContextMenuPolicy(Qt::PreventContextMenu);
}

void SpeedBar::setUpItems()
{
    for (QAction *action : actions()) {
        if (action->isSeparator())
            delete action; // the form's own separators; the layout draws them
        else
            m_items.insert(action->objectName(), action);
    }
    for (const SpeedBarItem &entry : SpeedBarCatalog::items())
        Q_ASSERT_X(m_items.contains(QLatin1String(entry.name)), "SpeedBar", entry.name);
    setItemLayout(SpeedBarLayout::defaults());
}

void SpeedBar::setItemLayout(const SpeedBarLayout &layout)
{
    m_layout = SpeedBarLayout::fromStored(layout);
    rebuild();
    emit itemLayoutChanged();
}

void SpeedBar::placeItem(const QString &name, qsizetype index)
{
    SpeedBarLayout layout = m_pending.value_or(m_layout);
    layout.place(name, index);
    changeLayout(layout);
}

void SpeedBar::removeItem(const QString &name)
{
    SpeedBarLayout layout = m_pending.value_or(m_layout);
    layout.remove(name);
    changeLayout(layout);
}

void SpeedBar::changeLayout(const SpeedBarLayout &layout)
{
    if (m_dragging)
        m_pending = layout;
    else
        setItemLayout(layout);
}

// Items off the bar leave it and are hidden; items on it are shown, in order.
void SpeedBar::rebuild()
{
    for (QAction *action : actions())
        removeAction(action);
    qDeleteAll(m_separators);
    m_separators.clear();
    for (qsizetype i = 0; i < m_layout.placed.size(); ++i) {
        QAction *action = m_items.value(m_layout.placed[i]);
        if (!action)
            continue;
        if (m_layout.startsGroup(i))
            m_separators.append(addSeparator());
        action->setVisible(true);
        addAction(action);
        if (QWidget *button = widgetForAction(action)) {
            button->installEventFilter(this);
            button->setAccessibleName(action->toolTip()); // it shows only its picture
        }
    }
    for (const QString &name : m_layout.hidden)
        if (QAction *action = m_items.value(name))
            action->setVisible(false);
    sizeButtons();
}

void SpeedBar::setButtonSize(int button, int barHeight)
{
    m_buttonSize = button;
    const int icon = iconSizeFor(button);
    setIconSize(QSize(icon, icon));
    setFixedHeight(barHeight);
    sizeButtons();
}

void SpeedBar::sizeButtons()
{
    for (QAction *action : actions())
        if (auto *button = qobject_cast<QToolButton *>(widgetForAction(action)))
            button->setFixedSize(m_buttonSize, m_buttonSize);
}

void SpeedBar::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit customizeRequested();
    QToolBar::mouseDoubleClickEvent(event);
}

void SpeedBar::dragEnterEvent(QDragEnterEvent *event)
{
    if (m_items.contains(draggedName(event->mimeData())))
        event->acceptProposedAction();
}

void SpeedBar::dragMoveEvent(QDragMoveEvent *event)
{
    if (m_items.contains(draggedName(event->mimeData())))
        event->acceptProposedAction();
}

void SpeedBar::dropEvent(QDropEvent *event)
{
    const QString name = draggedName(event->mimeData());
    if (!m_items.contains(name))
        return;
    event->acceptProposedAction();
    placeItem(name, dropIndex(event->position().toPoint()));
}

qsizetype SpeedBar::dropIndex(const QPoint &pos) const
{
    for (qsizetype i = 0; i < m_layout.placed.size(); ++i) {
        const QWidget *button = widgetForAction(m_items.value(m_layout.placed[i]));
        if (button && pos.x() < button->geometry().center().x())
            return i;
    }
    return m_layout.placed.size();
}

// While customising, a button is dragged along the bar or off it; a drop anywhere that does not
// take the item removes it from the bar.
bool SpeedBar::eventFilter(QObject *watched, QEvent *event)
{
    auto *button = qobject_cast<QToolButton *>(watched);
    if (!m_customizing || !button)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        m_pressed = button->defaultAction();
        m_pressPos = static_cast<QMouseEvent *>(event)->position().toPoint();
        return true;
    case QEvent::MouseMove: {
        const QPoint pos = static_cast<QMouseEvent *>(event)->position().toPoint();
        if (m_pressed && (pos - m_pressPos).manhattanLength() >= QApplication::startDragDistance()) {
            QAction *dragged = std::exchange(m_pressed, nullptr);
            dragItem(dragged);
        }
        return true;
    }
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        m_pressed = nullptr;
        return true;
    default:
        return false;
    }
}

void SpeedBar::dragItem(QAction *item)
{
    auto *mime = new QMimeData;
    mime->setData(kItemMimeType, item->objectName().toUtf8());
    auto *drag = new QDrag(this);
    drag->setMimeData(mime);
    drag->setPixmap(item->icon().pixmap(iconSize()));
    m_dragging = true;
    m_pending.reset();
    const Qt::DropAction result = drag->exec(Qt::MoveAction);
    m_dragging = false;
    SpeedBarLayout next = std::exchange(m_pending, std::nullopt).value_or(m_layout);
    if (result == Qt::IgnoreAction)
        next.remove(item->objectName());
    // The dragged button is still handling its mouse event; its replacement comes after.
    if (!(next == m_layout))
        QTimer::singleShot(0, this, [this, next] { setItemLayout(next); });
}
