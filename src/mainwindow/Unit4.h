// The window TForm4; created at start-up and kept until exit.
#pragma once

#include <QDialog>

class TForm4 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm4(QWidget *parent = nullptr);
};

extern TForm4 *Form4;
