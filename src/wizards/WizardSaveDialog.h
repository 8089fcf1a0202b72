// The save dialog of a mission file wizard: the file dialog, made at its first use, and the path it
// gives with the default extension added and replacing an existing file agreed.
#pragma once

#include <QString>

class QFileDialog;
class QWidget;

class WizardSaveDialog
{
public:
    struct Setup
    {
        const char *objectName;
        QString title;
        QString fileName;         // proposed at every showing
        QString filter;           // "description|mask|..."
        QString defaultExtension; // with its dot; empty: the name is kept as typed
    };

    WizardSaveDialog(QWidget *wizard, Setup setup);

    // The path the user chose (proposing `name`, else the setup's file name), the default extension
    // added to a name without one; empty when cancelled. An existing file is named only after the
    // user agreed to replace it; "No" shows the dialog again, as Qt's own question does, and
    // "Cancel" abandons the save.
    QString choosePath(const QString &name = QString());

private:
    QFileDialog &dialog();
    QString pickPath();

    QWidget *m_wizard;
    Setup m_setup;
    QFileDialog *m_dialog = nullptr; // made at the first save: a file dialog reads its folder when made
};
