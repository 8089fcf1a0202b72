// The controls the Find and Replace dialogs share.
#include "editor/SearchDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>

void SearchDialog::setUpSearch(const Controls &controls, std::initializer_list<QPushButton *> searchButtons)
{
    m_controls = controls;
    setModal(false);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    // Enter always means Find Next: no other button becomes the default by having had the focus.
    for (QPushButton *button : findChildren<QPushButton *>())
        button->setAutoDefault(button == controls.findNext);
    const QList<QPushButton *> buttons(searchButtons);
    const auto enableButtons = [buttons](const QString &text) {
        for (QPushButton *button : buttons)
            button->setEnabled(!text.isEmpty());
    };
    enableButtons(controls.text->text());
    connect(controls.text, &QLineEdit::textChanged, this, enableButtons);
    connect(controls.findNext, &QPushButton::clicked, this, &SearchDialog::findNext);
    connect(controls.buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QString SearchDialog::text() const
{
    return m_controls.text->text();
}

void SearchDialog::setText(const QString &text)
{
    m_controls.text->setText(text);
}

bool SearchDialog::matchCase() const
{
    return m_controls.matchCase->isChecked();
}

bool SearchDialog::wholeWord() const
{
    return m_controls.wholeWord->isChecked();
}

void SearchDialog::showForSearch()
{
    show();
    raise();
    activateWindow();
    m_controls.text->setFocus();
    m_controls.text->selectAll();
}
