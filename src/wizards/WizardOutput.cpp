// Saving of a wizard's text.
#include "wizards/WizardOutput.h"

#include "common/TextFileWrite.h"
#include "platform/Dialogs.h"
#include "wizards/WizardSaveDialog.h"

#include <QDir>
#include <QWidget>

namespace WizardOutput {

bool saveText(QWidget *wizard, const SavedText &saved, const QString &path)
{
    if (!writeTextFile(wizard, saved.text, saved.utf8, false, path))
        return false;
    const QString message = saved.message.contains(QLatin1String("%1"))
        ? saved.message.arg(QDir::toNativeSeparators(path))
        : saved.message;
    if (saved.report == Report::Information)
        Dialogs::information(wizard, message);
    else
        Dialogs::plain(wizard, message);
    return true;
}

bool chooseAndSave(QWidget *wizard, WizardSaveDialog &dialog, const SavedText &saved, const QString &name)
{
    const QString path = dialog.choosePath(name);
    if (path.isEmpty() || !saveText(wizard, saved, path))
        return false;
    if (saved.hideWizard)
        wizard->hide();
    return true;
}

} // namespace WizardOutput
