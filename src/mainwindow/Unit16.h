// The window TForm16; created at start-up and kept until exit.
#pragma once

#include <QDialog>

class TForm16 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm16(QWidget *parent = nullptr);
};

extern TForm16 *Form16;
