// The stringtable row dialog; made at start-up, shown and hidden until exit.
#pragma once

#include <QDialog>

class AppWindows;

class StringtableRowDialog : public QDialog
{
    Q_OBJECT
public:
    explicit StringtableRowDialog(AppWindows &windows, QWidget *parent = nullptr);

private:
    AppWindows &m_windows;
};
