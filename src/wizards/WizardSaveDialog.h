// The save dialog of a mission file wizard, and the writing of the file it names.
#pragma once

#include <QFileDialog>

class WizardSaveDialog : public QFileDialog
{
    Q_OBJECT
public:
    struct Setup
    {
        const char *objectName;
        QString title;
        QString fileName;         // proposed at every showing
        QString filter;           // "description|mask|..."
        QString defaultExtension; // with its dot; empty: the name is kept as typed
    };

    WizardSaveDialog(QWidget *wizard, const Setup &setup);

    // The path the user chose, the default extension added to a name without one; empty when
    // cancelled. An existing file is named only after the user agreed to replace it; "No" shows
    // the dialog again, as Qt's own question does.
    QString choosePath();
    // The same with another proposed name (a script named in the wizard).
    QString choosePath(const QString &proposed);

private:
    QString pickPath();

    QString m_fileName;
    QString m_defaultExtension;
};
