// Insertion into the editor and saving of a wizard's text.
#include "wizards/WizardOutput.h"

#include "AppError.h"
#include "editor/ProgramState.h"
#include "editor/ReplacedCharacters.h"
#include "platform/Dialogs.h"
#include "text/Cp1251.h"
#include "text/FileText.h"

#include <QWidget>
#include <Qsci/qsciscintilla.h>

namespace WizardOutput {

void insert(QWidget *wizard, QsciScintilla *editor, const QString &text, const QString &message)
{
    editor->beginUndoAction();
    editor->replaceSelectedText(text);
    editor->endUndoAction();
    Dialogs::information(wizard, message);
    wizard->hide();
}

bool saveText(QWidget *wizard, const QString &text, bool utf8, const QString &path, const QString &message,
              Report report)
{
    QString replaced;
    const QByteArray bytes = utf8 ? text.toUtf8() : Cp1251::encode(text, &replaced);
    try {
        saveTextToFile(bytes, path);
    } catch (const AppError &error) {
        Dialogs::showError(wizard, error);
        return false;
    }
    if (report == Report::Information)
        Dialogs::information(wizard, message);
    else
        Dialogs::plain(wizard, message);
    warnReplacedCharacters(wizard, replaced, path);
    return true;
}

bool gameSavesUtf8()
{
    return ProgramState::gameMode == QLatin1String("ArmA");
}

} // namespace WizardOutput
