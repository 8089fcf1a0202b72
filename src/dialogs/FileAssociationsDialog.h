// The file-type registration dialog; made at start-up, shown and hidden until exit.
#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class FileAssociationsDialog;
}


class FileAssociationsDialog : public QDialog
{
    Q_OBJECT
public:
    explicit FileAssociationsDialog(QWidget *parent = nullptr);
    ~FileAssociationsDialog() override;

    // Makes the program the desktop's choice for the ticked types, in the order of the boxes.
    void registerTypes();

private:
    std::unique_ptr<Ui::FileAssociationsDialog> ui;
};
