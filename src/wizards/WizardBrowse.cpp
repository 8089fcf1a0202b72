// Open dialogs behind the wizards' browse buttons.
#include "wizards/WizardBrowse.h"

#include "platform/ModalDialogs.h"
#include "text/FileFilters.h"

#include <QFileDialog>

namespace WizardBrowse {

QString chooseFile(QFileDialog *&dialog, QWidget *owner, const Setup &setup)
{
    if (!dialog) {
        dialog = new QFileDialog(owner);
        dialog->setObjectName(QLatin1String(setup.objectName));
        dialog->setWindowTitle(setup.title);
        dialog->setOption(QFileDialog::DontUseNativeDialog, true);
        dialog->setAcceptMode(QFileDialog::AcceptOpen);
        dialog->setFileMode(QFileDialog::ExistingFile);
        dialog->setNameFilters(FileFilters::toQtNameFilters(setup.filter));
    }
    return ModalDialogs::chooseFile(*dialog);
}

} // namespace WizardBrowse
