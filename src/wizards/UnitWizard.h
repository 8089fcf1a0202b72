// The unit loadout wizard; made at start-up, shown and hidden until exit.
#pragma once

#include <QDialog>

class UnitWizard : public QDialog
{
    Q_OBJECT
public:
    explicit UnitWizard(QWidget *parent = nullptr);
};
