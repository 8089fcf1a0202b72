// What every window that writes text for the editor is: a dialog that asks for its text to be
// inserted, says so and steps aside. The program connects the request to the main window's editor.
#pragma once

#include <QDialog>

class WizardWindow : public QDialog
{
    Q_OBJECT
public:
    using QDialog::QDialog;

signals:
    // The text goes in place of the editor's selection, at the caret when there is none.
    void insertRequested(const QString &text);

protected:
    // Asks for the insertion, shows `message` as information and hides the window.
    void insertAndHide(const QString &text, const QString &message);
};
