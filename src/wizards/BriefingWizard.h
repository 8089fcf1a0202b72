// The briefing.html wizard; made at start-up, shown and hidden until exit.
#pragma once

#include <QDialog>

class BriefingWizard : public QDialog
{
    Q_OBJECT
public:
    explicit BriefingWizard(QWidget *parent = nullptr);
};
