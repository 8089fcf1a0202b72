// The window TForm13; created at start-up and kept until exit.
#pragma once

#include <QDialog>

class TForm13 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm13(QWidget *parent = nullptr);
};

extern TForm13 *Form13;
