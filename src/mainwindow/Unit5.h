// The window TForm5; created at start-up and kept until exit.
#pragma once

#include <QDialog>

class TForm5 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm5(QWidget *parent = nullptr);
};

extern TForm5 *Form5;
