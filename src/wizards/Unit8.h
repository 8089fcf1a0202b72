// The window TForm8; created at start-up and kept until exit.
#pragma once

#include <QDialog>

class TForm8 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm8(QWidget *parent = nullptr);
};

extern TForm8 *Form8;
