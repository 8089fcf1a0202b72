// The init-line dialog; made at start-up, shown and hidden until exit.
#pragma once

#include <QDialog>

class InitLineDialog : public QDialog
{
    Q_OBJECT
public:
    explicit InitLineDialog(QWidget *parent = nullptr);
};
