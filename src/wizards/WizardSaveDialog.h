// The save dialog of a mission file wizard, and the writing of the file it names.
#pragma once

#include "wizards/WizardOutput.h"

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
    // cancelled. An existing file is overwritten without a question.
    QString choosePath();

private:
    QString m_fileName;
    QString m_defaultExtension;
};

// Writes the text as UTF-8 without a mark or as Windows-1251 through the wizards' one save path;
// characters Windows-1251 lacks are written as '?' and named in a warning. True when written.
bool saveWizardText(QWidget *wizard, const QString &text, bool utf8, const QString &path, const QString &message,
                    WizardOutput::Report report);

// The overview, stringtable and briefing files are UTF-8 in ArmA.
bool gameSavesUtf8();
