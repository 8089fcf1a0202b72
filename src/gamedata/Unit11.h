// The window TForm11; created at start-up and kept until exit.
#pragma once

#include <QDialog>

class TForm11 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm11(QWidget *parent = nullptr);
};

extern TForm11 *Form11;
