// The stringtable row dialog; made at start-up, shown and hidden until exit.
#pragma once

#include <QDialog>

class StringtableRowDialog : public QDialog
{
    Q_OBJECT
public:
    explicit StringtableRowDialog(QWidget *parent = nullptr);
};
