// The list of the program's shortcut keys; made at start-up, shown and hidden until exit.
#pragma once

#include <QDialog>

class AppWindows;

class ShortcutListDialog : public QDialog
{
    Q_OBJECT
public:
    explicit ShortcutListDialog(AppWindows &windows, QWidget *parent = nullptr);

private:
    AppWindows &m_windows;
};
