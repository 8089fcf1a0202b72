// The init-line dialog: the line to copy or to insert into the editor.
#include "wizards/InitLineDialog.h"

#include "common/WindowPosition.h"
#include "wizards/WizardOutput.h"

#include "ui_InitLineDialog.h"

#include <QScreen>
#include <climits>

InitLineDialog::InitLineDialog(QWidget *parent) : WizardWindow(parent), ui(std::make_unique<Ui::InitLineDialog>())
{
    ui->setupUi(this);
    ui->Edit1->setMaxLength(INT_MAX); // a long load-out makes a long line
    connect(ui->Button3, &QPushButton::clicked, this, &InitLineDialog::copyLine);
    connect(ui->Button2, &QPushButton::clicked, this, &InitLineDialog::insertLine);
    connect(ui->Button1, &QPushButton::clicked, this, &InitLineDialog::close);
}

InitLineDialog::~InitLineDialog() = default;

void InitLineDialog::showLine(const QString &line, QWidget *owner)
{
    ui->Edit1->setText(line);
    ui->Edit1->setCursorPosition(0);
    if (!isVisible() && owner) {
        adjustSize();
        WindowPosition::centre(this, owner->frameGeometry(), owner->screen()->availableGeometry(),
                               WindowPosition::frameOf(owner));
    }
    show();
    raise();
    activateWindow();
}

QString InitLineDialog::line() const
{
    return ui->Edit1->text();
}

void InitLineDialog::copyLine()
{
    ui->Edit1->selectAll();
    ui->Edit1->copy();
}

void InitLineDialog::insertLine()
{
    insertAndHide(ui->Edit1->text(), WizardOutput::kScriptInserted);
}
