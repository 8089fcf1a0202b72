// The window TForm17; created at start-up and kept until exit.
#pragma once

#include <QDialog>

class TForm17 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm17(QWidget *parent = nullptr);
};

extern TForm17 *Form17;
