// The ammunition crate wizard; made at start-up, shown and hidden until exit.
#pragma once

#include <QDialog>

class AppWindows;

class CrateWizard : public QDialog
{
    Q_OBJECT
public:
    explicit CrateWizard(AppWindows &windows, QWidget *parent = nullptr);

private:
    AppWindows &m_windows;
};
