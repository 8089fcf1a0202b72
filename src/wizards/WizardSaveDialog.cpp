// Save dialogs of the mission file wizards.
#include "wizards/WizardSaveDialog.h"

#include "common/TextFileWrite.h"
#include "platform/ModalDialogs.h"
#include "text/FileFilters.h"
#include "wizards/WizardFileNames.h"

#include <QFileDialog>
#include <QFileInfo>

WizardSaveDialog::WizardSaveDialog(QWidget *wizard, Setup setup) : m_wizard(wizard), m_setup(std::move(setup)) {}

QFileDialog &WizardSaveDialog::dialog()
{
    if (m_dialog)
        return *m_dialog;
    m_dialog = new QFileDialog(m_wizard);
    m_dialog->setObjectName(QLatin1String(m_setup.objectName));
    m_dialog->setWindowTitle(m_setup.title);
    m_dialog->setOption(QFileDialog::DontUseNativeDialog, true);
    m_dialog->setOption(QFileDialog::DontConfirmOverwrite, true); // choosePath() asks once the name is whole
    m_dialog->setAcceptMode(QFileDialog::AcceptSave);
    m_dialog->setFileMode(QFileDialog::AnyFile);
    m_dialog->setNameFilters(FileFilters::toQtNameFilters(m_setup.filter));
    if (!m_setup.defaultExtension.isEmpty())
        m_dialog->setDefaultSuffix(m_setup.defaultExtension.mid(1));
    return *m_dialog;
}

QString WizardSaveDialog::choosePath(const QString &name)
{
    dialog().selectFile(name.isEmpty() ? m_setup.fileName : name);
    for (;;) {
        const QString path = pickPath();
        // Asked here, after the extension is added, through the program's message boxes: the
        // same question for every wizard, and one that tests can answer.
        const QFileInfo existing(path);
        if (path.isEmpty() || !existing.exists() || existing.isDir())
            return path;
        switch (askToReplaceFile(m_wizard, path)) {
        case Dialogs::Answer::Yes:
            return path;
        case Dialogs::Answer::No:
            continue; // another name
        default:
            return QString(); // no save at all
        }
    }
}

QString WizardSaveDialog::pickPath()
{
    const QString path = ModalDialogs::chooseFile(dialog());
    if (path.isEmpty() || m_setup.defaultExtension.isEmpty())
        return path;
    return WizardFileNames::withDefaultExtension(path, m_setup.defaultExtension);
}
