// The list of the program's shortcut keys; made at start-up, shown and hidden until exit.
#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class ShortcutListDialog;
}


class ShortcutListDialog : public QDialog
{
    Q_OBJECT
public:
    explicit ShortcutListDialog(QWidget *parent = nullptr);
    ~ShortcutListDialog() override;

private:
    std::unique_ptr<Ui::ShortcutListDialog> ui;
};
