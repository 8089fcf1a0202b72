// The Find dialog: modeless, keeps its text and options between showings, Down at first.
#pragma once

#include "editor/SearchDialog.h"

#include <memory>

namespace Ui {
class FindDialog;
}

class FindDialog : public SearchDialog
{
    Q_OBJECT
public:
    explicit FindDialog(QWidget *parent = nullptr);
    ~FindDialog() override;

    bool forward() const;

private:
    std::unique_ptr<Ui::FindDialog> ui;
};
