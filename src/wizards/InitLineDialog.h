// The init-line dialog; made at start-up, shown and hidden until exit.
#pragma once

#include <QDialog>

class AppWindows;

class InitLineDialog : public QDialog
{
    Q_OBJECT
public:
    explicit InitLineDialog(AppWindows &windows, QWidget *parent = nullptr);

private:
    AppWindows &m_windows;
};
