// The one way every wizard writes its text into a file: a path chosen, the file written, the user told.
#pragma once

#include <QString>

class QWidget;
class WizardSaveDialog;

namespace WizardOutput {

enum class Report { Plain, Information };

struct SavedText
{
    QString text;
    bool utf8 = false;                  // UTF-8 without a mark; else Windows-1251
    QString message;                    // shown once the file is written; %1 stands for its path
    Report report = Report::Information;
    bool hideWizard = true;             // the wizard steps aside once the file is written
};

// Writes the text through the program's one save routine; characters Windows-1251 lacks are
// written as '?' only when the user agrees, else nothing is written. Only when the file was written
// is the message shown and the result true; a failed write shows the error and leaves any old file
// whole.
bool saveText(QWidget *wizard, const SavedText &saved, const QString &path);

// Asks the wizard's save dialog for a path (proposing `name` when given), then saves there as
// saveText() does and hides the wizard when the request says so. False when cancelled or not written.
bool chooseAndSave(QWidget *wizard, WizardSaveDialog &dialog, const SavedText &saved, const QString &name = QString());

// ---- Script wizards (unit, crate, init line) ----

inline const QString kScriptInserted = QStringLiteral("Текст скрипта вставлен в позицию курсора");
inline const QString kScriptSaved = QStringLiteral("Скрипт успешно сохранен");

} // namespace WizardOutput
