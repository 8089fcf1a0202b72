// Save dialogs of the mission file wizards.
#include "wizards/WizardSaveDialog.h"

#include "platform/Dialogs.h"
#include "platform/ModalDialogs.h"
#include "text/FileFilters.h"
#include "wizards/WizardFileNames.h"

#include <QFileInfo>

WizardSaveDialog::WizardSaveDialog(QWidget *wizard, const Setup &setup)
    : QFileDialog(wizard), m_fileName(setup.fileName), m_defaultExtension(setup.defaultExtension)
{
    setObjectName(QLatin1String(setup.objectName));
    setWindowTitle(setup.title);
    setOption(QFileDialog::DontUseNativeDialog, true);
    setOption(QFileDialog::DontConfirmOverwrite, true); // choosePath() asks once the name is whole
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
    for (;;) {
        const QString path = pickPath();
        // Asked here, after the extension is added, through the program's message boxes: the
        // same question for every wizard, and one that tests can answer.
        const QFileInfo existing(path);
        if (path.isEmpty() || !existing.exists() || existing.isDir()
            || Dialogs::question(parentWidget(), QStringLiteral("Файл \"%1\" уже существует.\nЗаменить его?").arg(path))
                   == Dialogs::Answer::Yes)
            return path;
    }
}

QString WizardSaveDialog::pickPath()
{
    const QString path = ModalDialogs::chooseFile(*this);
    if (path.isEmpty() || m_defaultExtension.isEmpty())
        return path;
    return WizardFileNames::withDefaultExtension(path, m_defaultExtension);
}
