// The insertion of a wizard's text, with its message.
#include "wizards/WizardWindow.h"

#include "platform/Dialogs.h"

void WizardWindow::insertAndHide(const QString &text, const QString &message)
{
    emit insertRequested(text);
    Dialogs::information(this, message);
    hide();
}
