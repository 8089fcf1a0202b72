// The go-to-line dialog; made at start-up, shown and hidden until exit.
#pragma once

#include <QDialog>

class AppWindows;

class GoToLineDialog : public QDialog
{
    Q_OBJECT
public:
    explicit GoToLineDialog(AppWindows &windows, QWidget *parent = nullptr);

private:
    AppWindows &m_windows;
};
