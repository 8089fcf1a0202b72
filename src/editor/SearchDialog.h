// What the Find and Replace dialogs have in common: the search text, the two options, Find Next as
// the one default button, and their showing. Modeless; they keep their texts between showings.
#pragma once

#include <QDialog>

class QCheckBox;
class QDialogButtonBox;
class QLineEdit;
class QPushButton;

class SearchDialog : public QDialog
{
    Q_OBJECT
public:
    using QDialog::QDialog;

    QString text() const;
    void setText(const QString &text);
    bool matchCase() const;
    bool wholeWord() const;

    // Shows the dialog without blocking its owner, the search text ready to be typed over.
    void showForSearch();

signals:
    void findNext();

protected:
    struct Controls
    {
        QLineEdit *text;
        QCheckBox *matchCase;
        QCheckBox *wholeWord;
        QPushButton *findNext;
        QDialogButtonBox *buttons;
    };
    // Called once the form is set up. `searchButtons` are enabled only while there is a text to find.
    void setUpSearch(const Controls &controls, std::initializer_list<QPushButton *> searchButtons);

private:
    Controls m_controls{};
};
