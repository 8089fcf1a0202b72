// The window TForm9; created at start-up and kept until exit.
#pragma once

#include <QDialog>

class TForm9 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm9(QWidget *parent = nullptr);
};

extern TForm9 *Form9;
