// The settings dialog; holds no settings of its own, the main window fills and reads it.
#pragma once

#include <QDialog>

class QCheckBox;
class QRadioButton;
class TColorBox;

class TForm7 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm7(QWidget *parent = nullptr);

    // "Коментарии как в :"
    QRadioButton *SQSC; // "SQS"
    QRadioButton *SQFC; // "SQF"
    TColorBox *COMM;    // comment colour
    QCheckBox *COMMB;   // comment bold
    QCheckBox *COMMI;   // comment italic
};

extern TForm7 *Form7;
