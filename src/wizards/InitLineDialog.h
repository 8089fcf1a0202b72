// The init-line dialog; made at start-up, shown and hidden until exit.
#pragma once

#include "wizards/WizardWindow.h"

#include <memory>

namespace Ui {
class InitLineDialog;
}

class InitLineDialog : public WizardWindow
{
    Q_OBJECT
public:
    explicit InitLineDialog(QWidget *parent = nullptr);
    ~InitLineDialog() override;

    // Puts the line in the edit field and shows the dialog over `owner`, or brings it to the
    // front when it is open already.
    void showLine(const QString &line, QWidget *owner);
    QString line() const;

private:
    void copyLine();
    void insertLine();

    std::unique_ptr<Ui::InitLineDialog> ui;
};
