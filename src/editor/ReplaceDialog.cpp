// The Replace dialog's controls; searching and replacing run in the search controller.
#include "editor/ReplaceDialog.h"

#include "ui_ReplaceDialog.h"

#include <QPushButton>

ReplaceDialog::ReplaceDialog(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::ReplaceDialog>())
{
    ui->setupUi(this);
    setModal(false);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    // Enter always means Find Next: no other button becomes the default by having had the focus.
    for (QPushButton *button : findChildren<QPushButton *>())
        button->setAutoDefault(button == ui->FindNext);
    const auto enableButtons = [this](const QString &text) {
        for (QPushButton *button : {ui->FindNext, ui->Replace, ui->ReplaceAll})
            button->setEnabled(!text.isEmpty());
    };
    enableButtons(QString());
    connect(ui->FindText, &QLineEdit::textChanged, this, enableButtons);
    connect(ui->FindNext, &QPushButton::clicked, this, &ReplaceDialog::findNext);
    connect(ui->Replace, &QPushButton::clicked, this, &ReplaceDialog::replace);
    connect(ui->ReplaceAll, &QPushButton::clicked, this, &ReplaceDialog::replaceAll);
    connect(ui->Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

ReplaceDialog::~ReplaceDialog() = default;

QString ReplaceDialog::text() const
{
    return ui->FindText->text();
}

void ReplaceDialog::setText(const QString &text)
{
    ui->FindText->setText(text);
}

QString ReplaceDialog::replacement() const
{
    return ui->ReplaceText->text();
}

bool ReplaceDialog::matchCase() const
{
    return ui->MatchCase->isChecked();
}

bool ReplaceDialog::wholeWord() const
{
    return ui->WholeWord->isChecked();
}

void ReplaceDialog::showForSearch()
{
    show();
    raise();
    activateWindow();
    ui->FindText->setFocus();
    ui->FindText->selectAll();
}
