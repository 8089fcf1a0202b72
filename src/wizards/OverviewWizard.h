// The overview.html wizard; made at start-up, shown and hidden until exit.
#pragma once

#include <QDialog>

class OverviewWizard : public QDialog
{
    Q_OBJECT
public:
    explicit OverviewWizard(QWidget *parent = nullptr);
};
