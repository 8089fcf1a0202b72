// The window TForm14; created at start-up and kept until exit.
#pragma once

#include <QDialog>

class TForm14 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm14(QWidget *parent = nullptr);
};

extern TForm14 *Form14;
