// The stringtable.csv wizard; made at start-up, shown and hidden until exit.
#pragma once

#include <QDialog>

class AppWindows;

class StringtableWizard : public QDialog
{
    Q_OBJECT
public:
    explicit StringtableWizard(AppWindows &windows, QWidget *parent = nullptr);

private:
    AppWindows &m_windows;
};
