// The browse buttons of the wizards' file-name fields.
#pragma once

#include <QString>

class QFileDialog;
class QWidget;

namespace WizardBrowse {

struct Setup
{
    const char *objectName;
    QString title;
    QString filter; // "description|mask|..."
};

// Shows the open dialog, made on first use and kept so that it starts where it was left; the
// chosen path, or an empty one when the user cancelled.
QString chooseFile(QFileDialog *&dialog, QWidget *owner, const Setup &setup);

} // namespace WizardBrowse
