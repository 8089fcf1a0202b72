// The customise window of the speed bar.
#include "editor/SpeedBarCustomizeDialog.h"

#include "editor/SpeedBar.h"
#include "settings/SpeedBarCatalog.h"
#include "ui_SpeedBarCustomizeDialog.h"

#include <QAction>
#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>

namespace {

constexpr int kNameRole = Qt::UserRole;

QString draggedName(const QMimeData *data)
{
    return data && data->hasFormat(SpeedBar::kItemMimeType) ? QString::fromUtf8(data->data(SpeedBar::kItemMimeType))
                                                            : QString();
}

} // namespace

SpeedBarCustomizeDialog::SpeedBarCustomizeDialog(SpeedBar *bar, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::SpeedBarCustomizeDialog>()), m_bar(bar)
{
    ui->setupUi(this);
    for (QListWidget *list : {ui->ItemList, ui->BarList}) {
        list->setIconSize(QSize(22, 22));
        list->setAcceptDrops(true);
        list->viewport()->setAcceptDrops(true);
        list->viewport()->installEventFilter(this);
    }
    fitListsToCaptions();
    fillSections();
    connect(ui->SectionList, &QListWidget::currentRowChanged, this, &SpeedBarCustomizeDialog::fillItems);
    connect(ui->AddButton, &QPushButton::clicked, this, &SpeedBarCustomizeDialog::addItem);
    connect(ui->RemoveButton, &QPushButton::clicked, this, &SpeedBarCustomizeDialog::removeItem);
    connect(ui->UpButton, &QPushButton::clicked, this, [this] { moveItem(-1); });
    connect(ui->DownButton, &QPushButton::clicked, this, [this] { moveItem(+1); });
    connect(ui->CloseButton, &QPushButton::clicked, this, &QDialog::close);
    connect(ui->ItemList, &QListWidget::itemDoubleClicked, this, &SpeedBarCustomizeDialog::addItem);
    connect(ui->BarList, &QListWidget::itemDoubleClicked, this, &SpeedBarCustomizeDialog::removeItem);
    connect(m_bar, &SpeedBar::itemLayoutChanged, this, &SpeedBarCustomizeDialog::refresh);
    refresh();
}

SpeedBarCustomizeDialog::~SpeedBarCustomizeDialog() = default;

void SpeedBarCustomizeDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_bar->setCustomizing(true);
    refresh();
}

void SpeedBarCustomizeDialog::hideEvent(QHideEvent *event)
{
    m_bar->setCustomizing(false);
    QDialog::hideEvent(event);
}

// Either list may hold any item: both are made wide enough for the longest caption, so that
// none is cut off at the window's first size; wider windows share the rest between them.
void SpeedBarCustomizeDialog::fitListsToCaptions()
{
    for (const SpeedBarItem &entry : SpeedBarCatalog::items())
        ui->BarList->addItem(listItem(QLatin1String(entry.name)));
    const int width = ui->BarList->sizeHintForColumn(0) + 2 * ui->BarList->frameWidth()
                      + ui->BarList->verticalScrollBar()->sizeHint().width();
    ui->BarList->clear();
    for (QListWidget *list : {ui->ItemList, ui->BarList})
        list->setMinimumWidth(width);
}

void SpeedBarCustomizeDialog::fillSections()
{
    ui->SectionList->addItems(SpeedBarCatalog::sections());
    ui->SectionList->setCurrentRow(0);
}

void SpeedBarCustomizeDialog::refresh()
{
    fillItems();
    fillBar();
}

QListWidgetItem *SpeedBarCustomizeDialog::listItem(const QString &name) const
{
    QAction *action = m_bar->item(name);
    auto *item = new QListWidgetItem(action->icon(), action->text());
    item->setData(kNameRole, name);
    item->setToolTip(action->toolTip());
    return item;
}

QString SpeedBarCustomizeDialog::selectedName(const QListWidget *list) const
{
    const QListWidgetItem *item = list->currentItem();
    return item ? item->data(kNameRole).toString() : QString();
}

// The items of the chosen section that are not on the bar.
void SpeedBarCustomizeDialog::fillItems()
{
    const QString selected = selectedName(ui->ItemList);
    const int section = ui->SectionList->currentRow();
    ui->ItemList->clear();
    for (const SpeedBarItem &entry : SpeedBarCatalog::items()) {
        const QString name = QLatin1String(entry.name);
        if (entry.section == section && !m_bar->itemLayout().placed.contains(name))
            ui->ItemList->addItem(listItem(name));
    }
    for (int row = 0; row < ui->ItemList->count(); ++row)
        if (ui->ItemList->item(row)->data(kNameRole).toString() == selected)
            ui->ItemList->setCurrentRow(row);
    if (!ui->ItemList->currentItem() && ui->ItemList->count() > 0)
        ui->ItemList->setCurrentRow(0);
}

void SpeedBarCustomizeDialog::fillBar()
{
    const QString selected = selectedName(ui->BarList);
    ui->BarList->clear();
    const QStringList &placed = m_bar->itemLayout().placed;
    for (const QString &name : placed)
        ui->BarList->addItem(listItem(name));
    ui->BarList->setCurrentRow(int(placed.indexOf(selected)));
}

// An added item goes after the one chosen on the bar, else to the end.
void SpeedBarCustomizeDialog::addItem()
{
    const QString name = selectedName(ui->ItemList);
    if (name.isEmpty())
        return;
    const int row = ui->BarList->currentRow();
    m_bar->placeItem(name, row >= 0 ? row + 1 : m_bar->itemLayout().placed.size());
    ui->BarList->setCurrentRow(int(m_bar->itemLayout().placed.indexOf(name)));
}

void SpeedBarCustomizeDialog::removeItem()
{
    const QString name = selectedName(ui->BarList);
    if (name.isEmpty())
        return;
    const int row = ui->BarList->currentRow();
    m_bar->removeItem(name);
    ui->BarList->setCurrentRow(std::min(row, ui->BarList->count() - 1));
}

void SpeedBarCustomizeDialog::moveItem(int step)
{
    const QString name = selectedName(ui->BarList);
    const int row = ui->BarList->currentRow();
    if (name.isEmpty() || row + step < 0 || row + step >= ui->BarList->count())
        return;
    m_bar->placeItem(name, step < 0 ? row + step : row + step + 1);
    ui->BarList->setCurrentRow(row + step);
}

// Items are dragged from the section's list onto the bar or into the bar's list, and from the
// bar's list onto the section's list (off the bar) or along it.
bool SpeedBarCustomizeDialog::eventFilter(QObject *watched, QEvent *event)
{
    QListWidget *list = watched == ui->ItemList->viewport() ? ui->ItemList
                        : watched == ui->BarList->viewport() ? ui->BarList
                                                              : nullptr;
    if (!list)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        m_pressPos = static_cast<QMouseEvent *>(event)->position().toPoint();
        return false;
    case QEvent::MouseMove: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if ((mouse->buttons() & Qt::LeftButton)
            && (mouse->position().toPoint() - m_pressPos).manhattanLength() >= QApplication::startDragDistance()) {
            startDrag(list);
            return true;
        }
        return false;
    }
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (m_bar->item(draggedName(drag->mimeData())))
            drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop:
        return dropOn(list, static_cast<QDropEvent *>(event));
    default:
        return false;
    }
}

void SpeedBarCustomizeDialog::startDrag(QListWidget *list)
{
    const QString name = selectedName(list);
    if (name.isEmpty())
        return;
    auto *mime = new QMimeData;
    mime->setData(SpeedBar::kItemMimeType, name.toUtf8());
    auto *drag = new QDrag(list);
    drag->setMimeData(mime);
    drag->setPixmap(m_bar->item(name)->icon().pixmap(m_bar->iconSize()));
    drag->exec(Qt::MoveAction);
}

bool SpeedBarCustomizeDialog::dropOn(QListWidget *list, QDropEvent *event)
{
    const QString name = draggedName(event->mimeData());
    if (!m_bar->item(name))
        return false;
    event->acceptProposedAction();
    if (list == ui->ItemList) {
        m_bar->removeItem(name);
        return true;
    }
    const QPoint pos = event->position().toPoint();
    const QListWidgetItem *target = ui->BarList->itemAt(pos);
    int row = target ? ui->BarList->row(target) : ui->BarList->count();
    if (target && pos.y() > ui->BarList->visualItemRect(target).center().y())
        ++row;
    m_bar->placeItem(name, row);
    return true;
}
