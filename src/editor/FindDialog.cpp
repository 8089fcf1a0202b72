// The Find dialog's controls; the search itself runs in the search controller.
#include "editor/FindDialog.h"

#include "ui_FindDialog.h"

#include <QPushButton>

FindDialog::FindDialog(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::FindDialog>())
{
    ui->setupUi(this);
    setModal(false);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    // Enter always means Find Next: no other button becomes the default by having had the focus.
    for (QPushButton *button : findChildren<QPushButton *>())
        button->setAutoDefault(button == ui->FindNext);
    ui->FindNext->setEnabled(false);
    connect(ui->FindText, &QLineEdit::textChanged, this,
            [this](const QString &text) { ui->FindNext->setEnabled(!text.isEmpty()); });
    connect(ui->FindNext, &QPushButton::clicked, this, &FindDialog::findNext);
    connect(ui->Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

FindDialog::~FindDialog() = default;

QString FindDialog::text() const
{
    return ui->FindText->text();
}

void FindDialog::setText(const QString &text)
{
    ui->FindText->setText(text);
}

bool FindDialog::matchCase() const
{
    return ui->MatchCase->isChecked();
}

bool FindDialog::wholeWord() const
{
    return ui->WholeWord->isChecked();
}

bool FindDialog::forward() const
{
    return ui->Down->isChecked();
}

void FindDialog::showForSearch()
{
    show();
    raise();
    activateWindow();
    ui->FindText->setFocus();
    ui->FindText->selectAll();
}
