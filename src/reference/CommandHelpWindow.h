// The command help window; made at start-up, shown and hidden until exit.
#pragma once

#include <QDialog>

class AppWindows;

class CommandHelpWindow : public QDialog
{
    Q_OBJECT
public:
    explicit CommandHelpWindow(AppWindows &windows, QWidget *parent = nullptr);

private:
    AppWindows &m_windows;
};
