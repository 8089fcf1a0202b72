// The description.ext wizard; made at start-up, shown and hidden until exit.
#pragma once

#include <QDialog>

class AppWindows;

class DescriptionWizard : public QDialog
{
    Q_OBJECT
public:
    explicit DescriptionWizard(AppWindows &windows, QWidget *parent = nullptr);

private:
    AppWindows &m_windows;
};
