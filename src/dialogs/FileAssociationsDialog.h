// The file-type registration dialog; made at start-up, shown and hidden until exit.
#pragma once

#include <QDialog>

class FileAssociationsDialog : public QDialog
{
    Q_OBJECT
public:
    explicit FileAssociationsDialog(QWidget *parent = nullptr);
};
