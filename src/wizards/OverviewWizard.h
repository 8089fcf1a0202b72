// The overview.html wizard; made at start-up, shown and hidden until exit.
#pragma once

#include <QDialog>

class AppWindows;

class OverviewWizard : public QDialog
{
    Q_OBJECT
public:
    explicit OverviewWizard(AppWindows &windows, QWidget *parent = nullptr);

private:
    AppWindows &m_windows;
};
