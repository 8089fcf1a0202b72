// The file-type registration dialog; made at start-up, shown and hidden until exit.
#pragma once

#include <QDialog>

class AppWindows;

class FileAssociationsDialog : public QDialog
{
    Q_OBJECT
public:
    explicit FileAssociationsDialog(AppWindows &windows, QWidget *parent = nullptr);

private:
    AppWindows &m_windows;
};
