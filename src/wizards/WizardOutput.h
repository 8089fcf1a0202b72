// The one way every wizard hands on its text: into the editor, or into a file.
#pragma once

#include <QByteArray>
#include <QString>

class QFileDialog;
class QWidget;
class QsciScintilla;

namespace WizardOutput {

// Replaces the editor's selection with the text (at the caret when nothing is selected) as one
// step the user can undo, shows `message` as information and hides the wizard.
void insert(QWidget *wizard, QsciScintilla *editor, const QString &text, const QString &message);

enum class Report { Plain, Information };

// The text as a wizard saves it: Windows-1251, or UTF-8 without a byte-order mark.
QByteArray encode(const QString &text, bool utf8);

// Writes the bytes through the program's one save routine. Only when they were written is
// `message` shown, plain or as information, and the result true; a failed write shows the error
// and leaves any old file whole.
bool save(QWidget *wizard, const QByteArray &bytes, const QString &path, const QString &message,
          Report report = Report::Information);

// ---- Script wizards (unit, crate, init line) ----

inline const QString kScriptInserted = QStringLiteral("Текст скрипта вставлен в позицию курсора");
inline const QString kScriptSaved = QStringLiteral("Скрипт успешно сохранен");

// A wizard's save dialog, owned by the wizard: its objectName, title and "description|mask"
// filter. It has no default extension and does not ask before overwriting.
QFileDialog *createSaveDialog(QWidget *wizard, const QString &objectName, const QString &title,
                              const QString &filter);

// Runs the dialog with `fileName` proposed; the chosen path, empty when the user cancelled.
QString chooseSavePath(QFileDialog &dialog, const QString &fileName);

} // namespace WizardOutput
