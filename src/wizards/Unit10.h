// The window TForm10; created at start-up and kept until exit.
#pragma once

#include <QDialog>

class TForm10 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm10(QWidget *parent = nullptr);
};

extern TForm10 *Form10;
