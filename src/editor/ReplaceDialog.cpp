// The Replace dialog's controls; searching and replacing run in the search controller.
#include "editor/ReplaceDialog.h"

#include "ui_ReplaceDialog.h"

ReplaceDialog::ReplaceDialog(QWidget *parent) : SearchDialog(parent), ui(std::make_unique<Ui::ReplaceDialog>())
{
    ui->setupUi(this);
    setUpSearch({ui->FindText, ui->MatchCase, ui->WholeWord, ui->FindNext, ui->Buttons},
                {ui->FindNext, ui->Replace, ui->ReplaceAll});
    connect(ui->Replace, &QPushButton::clicked, this, &ReplaceDialog::replace);
    connect(ui->ReplaceAll, &QPushButton::clicked, this, &ReplaceDialog::replaceAll);
}

ReplaceDialog::~ReplaceDialog() = default;

QString ReplaceDialog::replacement() const
{
    return ui->ReplaceText->text();
}
