// The ammunition crate wizard; made at start-up, shown and hidden until exit.
#pragma once

#include <QDialog>

class CrateWizard : public QDialog
{
    Q_OBJECT
public:
    explicit CrateWizard(QWidget *parent = nullptr);
};
