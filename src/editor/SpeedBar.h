// The speed bar ToolBar1: its items placed as the layout says, with a separator where a section
// ends, its button size, and dragging items on, along and off it while it is being customised.
#pragma once

#include "settings/SpeedBarLayout.h"

#include <QHash>
#include <QPoint>
#include <QToolBar>
#include <optional>

class SpeedBar : public QToolBar
{
    Q_OBJECT
public:
    // What a dragged item carries: its object name.
    static const QString kItemMimeType;

    explicit SpeedBar(QWidget *parent = nullptr);

    // Takes the items from the actions the form put on the bar and places them as they first come.
    void setUpItems();
    // The item of that object name, or nullptr.
    QAction *item(const QString &name) const { return m_items.value(name); }

    const SpeedBarLayout &itemLayout() const { return m_layout; }
    void setItemLayout(const SpeedBarLayout &layout);
    void placeItem(const QString &name, qsizetype index);
    void removeItem(const QString &name);

    int buttonSize() const { return m_buttonSize; }
    void setButtonSize(int button, int barHeight);

    // While customising, a press on a button starts dragging it instead of running it.
    void setCustomizing(bool on) { m_customizing = on; }
    bool isCustomizing() const { return m_customizing; }

signals:
    void customizeRequested();
    void itemLayoutChanged();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void rebuild();
    void sizeButtons();
    // Where an item dropped at `pos` goes: before the first placed item whose button's middle
    // lies beyond it.
    qsizetype dropIndex(const QPoint &pos) const;
    void dragItem(QAction *item);
    // Every change of the layout goes here; during a drag of one of the bar's own buttons it
    // waits until the drag is over.
    void changeLayout(const SpeedBarLayout &layout);

    QHash<QString, QAction *> m_items;
    SpeedBarLayout m_layout;
    QList<QAction *> m_separators;
    int m_buttonSize = 36;
    bool m_customizing = false;
    QAction *m_pressed = nullptr;
    QPoint m_pressPos;
    bool m_dragging = false;
    std::optional<SpeedBarLayout> m_pending; // the change a drop asked for during the drag
};
