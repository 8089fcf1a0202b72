// The stringtable row dialog: an identifier and one text per chosen language.
#include "wizards/StringtableRowDialog.h"

#include "app/AppWindows.h"
#include "platform/Dialogs.h"
#include "platform/ModalDialogs.h"
#include "ui_StringtableRowDialog.h"
#include "wizards/StringtableWizard.h"

#include <QMenu>

StringtableRowDialog::StringtableRowDialog(AppWindows &windows, QWidget *parent)
    : QDialog(parent), m_windows(windows), ui(std::make_unique<Ui::StringtableRowDialog>()), m_menu(new QMenu(this))
{
    ui->setupUi(this);
    m_menu->setObjectName(QStringLiteral("PopupMenu1"));
    QAction *duplicateAction = m_menu->addAction(QStringLiteral("Дублировать"));
    duplicateAction->setObjectName(QStringLiteral("N1"));
    connect(duplicateAction, &QAction::triggered, this, &StringtableRowDialog::duplicate);
    for (QLineEdit *field : fields())
        connect(field, &QLineEdit::customContextMenuRequested, this,
                [this, field](const QPoint &at) { showDuplicateMenu(field, at); });
    connect(ui->SpeedButton1, &QToolButton::clicked, this, [this] {
        Dialogs::information(this, QStringLiteral("Если вы хотите продублировать строку в каждое поле, просто нажмите "
                                                  "на строку правой кнопкой и выберете пункт дублировать."));
    });
    connect(ui->Button1, &QPushButton::clicked, this, &StringtableRowDialog::confirm);
    connect(ui->Button2, &QPushButton::clicked, this, &QDialog::reject);
}

StringtableRowDialog::~StringtableRowDialog() = default;

std::array<QLabel *, 7> StringtableRowDialog::labels() const
{
    return {ui->l1, ui->l2, ui->L3, ui->l4, ui->l5, ui->l6, ui->l7};
}

std::array<QLineEdit *, 7> StringtableRowDialog::fields() const
{
    return {ui->e1, ui->e2, ui->e3, ui->e4, ui->e5, ui->e6, ui->e7};
}

void StringtableRowDialog::addRow()
{
    layOut(m_windows.stringtableWizard()->chosenLanguageNames());
    for (QLineEdit *field : fields())
        field->clear();
    ui->eID->setText(QStringLiteral("STR_"));
    ui->eID->selectAll();
    ui->eID->setFocus();
    setResult(QDialog::Rejected);
    ModalDialogs::confirm(*this);
}

void StringtableRowDialog::layOut(const QStringList &languages)
{
    const auto captions = labels();
    const auto edits = fields();
    // With no language the fields stay as the last layout left them.
    for (qsizetype i = 0; i < qsizetype(captions.size()); ++i) {
        if (i < languages.size())
            captions[i]->setText(languages[i]);
        if (!languages.isEmpty()) {
            captions[i]->setVisible(i < languages.size());
            edits[i]->setVisible(i < languages.size());
        }
    }
    adjustSize();
}

void StringtableRowDialog::confirm()
{
    StringtableWizard *wizard = m_windows.stringtableWizard();
    const QString id = ui->eID->text();
    if (!wizard->isUniqueId(id)) {
        Dialogs::warning(this, QStringLiteral("Внимание! Строка с таким идентификатором уже существует."));
        return;
    }
    QStringList cells{id};
    const auto edits = fields();
    for (qsizetype i = 0; i < wizard->chosenLanguageNames().size(); ++i)
        cells << edits[i]->text();
    wizard->insertFilledRow(cells);
    accept();
}

void StringtableRowDialog::showDuplicateMenu(QLineEdit *field, const QPoint &at)
{
    m_menuField = field;
    m_menu->popup(field->mapToGlobal(at));
}

void StringtableRowDialog::duplicate()
{
    if (!m_menuField)
        return;
    const QString text = m_menuField->text();
    for (QLineEdit *field : fields())
        if (!field->isHidden())
            field->setText(text);
}
