// Insertion into the editor and saving of a wizard's text.
#include "wizards/WizardOutput.h"

#include "AppError.h"
#include "platform/Dialogs.h"
#include "platform/ModalDialogs.h"
#include "text/Cp1251.h"
#include "text/FileFilters.h"
#include "text/FileText.h"

#include <QFileDialog>
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

QByteArray encode(const QString &text, bool utf8)
{
    return utf8 ? text.toUtf8() : Cp1251::encode(text);
}

bool save(QWidget *wizard, const QByteArray &bytes, const QString &path, const QString &message, Report report)
{
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
    return true;
}

QFileDialog *createSaveDialog(QWidget *wizard, const QString &objectName, const QString &title,
                              const QString &filter)
{
    auto *dialog = new QFileDialog(wizard, title);
    dialog->setObjectName(objectName);
    dialog->setOption(QFileDialog::DontUseNativeDialog, true);
    dialog->setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilters(FileFilters::toQtNameFilters(filter));
    return dialog;
}

QString chooseSavePath(QFileDialog &dialog, const QString &fileName)
{
    dialog.selectFile(fileName);
    return ModalDialogs::chooseFile(dialog);
}

} // namespace WizardOutput
