// The command help window; made at start-up, shown and hidden until exit.
#pragma once

#include <QDialog>

class CommandHelpWindow : public QDialog
{
    Q_OBJECT
public:
    explicit CommandHelpWindow(QWidget *parent = nullptr);
};
