// The description.ext wizard; made at start-up, shown and hidden until exit.
#pragma once

#include <QDialog>

class DescriptionWizard : public QDialog
{
    Q_OBJECT
public:
    explicit DescriptionWizard(QWidget *parent = nullptr);
};
