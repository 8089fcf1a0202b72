// The speed bar's customise window: the sections and their items, the items on the bar; the user
// adds, removes and moves items by buttons or by dragging, and the bar follows at once.
#pragma once

#include <QDialog>
#include <QPoint>
#include <memory>

namespace Ui {
class SpeedBarCustomizeDialog;
}

class QListWidget;
class QListWidgetItem;
class SpeedBar;

class SpeedBarCustomizeDialog : public QDialog
{
    Q_OBJECT
public:
    explicit SpeedBarCustomizeDialog(SpeedBar *bar, QWidget *parent = nullptr);
    ~SpeedBarCustomizeDialog() override;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fitListsToCaptions();
    void fillSections();
    void refresh();
    void fillItems();
    void fillBar();
    void addItem();
    void removeItem();
    void moveItem(int step);
    QListWidgetItem *listItem(const QString &name) const;
    QString selectedName(const QListWidget *list) const;
    void startDrag(QListWidget *list);
    bool dropOn(QListWidget *list, QDropEvent *event);

    std::unique_ptr<Ui::SpeedBarCustomizeDialog> ui;
    SpeedBar *m_bar;
    QPoint m_pressPos;
};
