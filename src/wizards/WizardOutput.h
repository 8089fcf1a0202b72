// The one way every wizard hands on its text: into the editor, or into a file.
#pragma once

#include <QString>

class QWidget;
class QsciScintilla;

namespace WizardOutput {

// Replaces the editor's selection with the text (at the caret when nothing is selected) as one
// step the user can undo, shows `message` as information and hides the wizard.
void insert(QWidget *wizard, QsciScintilla *editor, const QString &text, const QString &message);

enum class Report { Plain, Information };

// Writes the text as UTF-8 without a mark or as Windows-1251 through the program's one save
// routine; characters Windows-1251 lacks are written as '?' and named in a warning. Only when
// the file was written is `message` shown, plain or as information, and the result true; a
// failed write shows the error and leaves any old file whole.
bool saveText(QWidget *wizard, const QString &text, bool utf8, const QString &path, const QString &message,
              Report report = Report::Information);

// The overview, stringtable and briefing files are UTF-8 in ArmA.
bool gameSavesUtf8();

// ---- Script wizards (unit, crate, init line) ----

inline const QString kScriptInserted = QStringLiteral("Текст скрипта вставлен в позицию курсора");
inline const QString kScriptSaved = QStringLiteral("Скрипт успешно сохранен");

} // namespace WizardOutput
