// Save dialogs of the mission file wizards.
#include "wizards/WizardSaveDialog.h"

#include "platform/ModalDialogs.h"
#include "text/FileFilters.h"
#include "wizards/WizardFileNames.h"


WizardSaveDialog::WizardSaveDialog(QWidget *wizard, const Setup &setup)
    : QFileDialog(wizard), m_fileName(setup.fileName), m_defaultExtension(setup.defaultExtension)
{
    setObjectName(QLatin1String(setup.objectName));
    setWindowTitle(setup.title);
    setOption(QFileDialog::DontUseNativeDialog, true);
    setOption(QFileDialog::DontConfirmOverwrite, true);
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    setNameFilters(FileFilters::toQtNameFilters(setup.filter));
    if (!m_defaultExtension.isEmpty())
        setDefaultSuffix(m_defaultExtension.mid(1));
}

QString WizardSaveDialog::choosePath()
{
    return choosePath(m_fileName);
}

QString WizardSaveDialog::choosePath(const QString &proposed)
{
    selectFile(proposed);
    const QString path = ModalDialogs::chooseFile(*this);
    if (path.isEmpty() || m_defaultExtension.isEmpty())
        return path;
    return WizardFileNames::withDefaultExtension(path, m_defaultExtension);
}
