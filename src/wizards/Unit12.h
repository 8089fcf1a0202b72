// The window TForm12; created at start-up and kept until exit.
#pragma once

#include <QDialog>

class TForm12 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm12(QWidget *parent = nullptr);
};

extern TForm12 *Form12;
