// The Find dialog's controls; the search itself runs in the search controller.
#include "editor/FindDialog.h"

#include "ui_FindDialog.h"

FindDialog::FindDialog(QWidget *parent) : SearchDialog(parent), ui(std::make_unique<Ui::FindDialog>())
{
    ui->setupUi(this);
    setUpSearch({ui->FindText, ui->MatchCase, ui->WholeWord, ui->FindNext, ui->Buttons}, {ui->FindNext});
}

FindDialog::~FindDialog() = default;

bool FindDialog::forward() const
{
    return ui->Down->isChecked();
}
