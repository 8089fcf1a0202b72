// The window TForm18; created at start-up and kept until exit.
#pragma once

#include <QDialog>

class TForm18 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm18(QWidget *parent = nullptr);
};

extern TForm18 *Form18;
