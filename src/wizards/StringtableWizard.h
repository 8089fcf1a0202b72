// The stringtable.csv wizard; made at start-up, shown and hidden until exit.
#pragma once

#include <QDialog>

class StringtableWizard : public QDialog
{
    Q_OBJECT
public:
    explicit StringtableWizard(QWidget *parent = nullptr);
};
