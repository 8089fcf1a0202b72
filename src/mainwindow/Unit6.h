// The window TaboutBox; created at start-up and kept until exit.
#pragma once

#include <QDialog>

class TaboutBox : public QDialog
{
    Q_OBJECT
public:
    explicit TaboutBox(QWidget *parent = nullptr);
};

extern TaboutBox *aboutBox;
