// The go-to-line dialog; made at start-up, shown and hidden until exit.
#pragma once

#include <QDialog>

class GoToLineDialog : public QDialog
{
    Q_OBJECT
public:
    explicit GoToLineDialog(QWidget *parent = nullptr);
};
