// The Replace dialog: modeless, keeps its texts and options between showings, always searches down.
#pragma once

#include "editor/SearchDialog.h"

#include <memory>

namespace Ui {
class ReplaceDialog;
}

class ReplaceDialog : public SearchDialog
{
    Q_OBJECT
public:
    explicit ReplaceDialog(QWidget *parent = nullptr);
    ~ReplaceDialog() override;

    QString replacement() const;

signals:
    void replace();
    void replaceAll();

private:
    std::unique_ptr<Ui::ReplaceDialog> ui;
};
