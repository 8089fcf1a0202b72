// The briefing.html wizard; made at start-up, shown and hidden until exit.
#pragma once

#include <QDialog>

class AppWindows;

class BriefingWizard : public QDialog
{
    Q_OBJECT
public:
    explicit BriefingWizard(AppWindows &windows, QWidget *parent = nullptr);

private:
    AppWindows &m_windows;
};
