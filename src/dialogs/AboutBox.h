// The about box; made at start-up, shown and hidden until exit.
#pragma once

#include <QDialog>

class AppWindows;

class AboutBox : public QDialog
{
    Q_OBJECT
public:
    explicit AboutBox(AppWindows &windows, QWidget *parent = nullptr);

private:
    AppWindows &m_windows;
};
