// Save dialogs of the mission file wizards.
#include "wizards/WizardSaveDialog.h"

#include "editor/ProgramState.h"
#include "platform/Dialogs.h"
#include "platform/ModalDialogs.h"
#include "text/Cp1251.h"
#include "text/FileFilters.h"
#include "wizards/WizardFileNames.h"

#include <QStringList>

WizardSaveDialog::WizardSaveDialog(QWidget *wizard, const Setup &setup)
    : QFileDialog(wizard), m_fileName(setup.fileName), m_defaultExtension(setup.defaultExtension)
{
    setObjectName(QLatin1String(setup.objectName));
    setWindowTitle(setup.title);
    setOption(QFileDialog::DontUseNativeDialog, true);
    setOption(QFileDialog::DontConfirmOverwrite, true);
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    setNameFilters(FileFilters::toQtNameFilters(setup.filter));
    if (!m_defaultExtension.isEmpty())
        setDefaultSuffix(m_defaultExtension.mid(1));
}

QString WizardSaveDialog::choosePath()
{
    selectFile(m_fileName);
    const QString path = ModalDialogs::chooseFile(*this);
    if (path.isEmpty() || m_defaultExtension.isEmpty())
        return path;
    return WizardFileNames::withDefaultExtension(path, m_defaultExtension);
}

namespace {

// Each replaced character once, apart; a character beyond 16 bits stays whole.
QString listed(const QString &characters)
{
    QStringList out;
    for (qsizetype i = 0; i < characters.size(); ++i) {
        const qsizetype length = characters[i].isHighSurrogate() && i + 1 < characters.size() ? 2 : 1;
        out << characters.mid(i, length);
        i += length - 1;
    }
    return out.join(u' ');
}

} // namespace

bool saveWizardText(QWidget *wizard, const QString &text, bool utf8, const QString &path, const QString &message,
                    WizardOutput::Report report)
{
    QString replaced;
    const QByteArray bytes = utf8 ? WizardOutput::encode(text, true) : Cp1251::encode(text, &replaced);
    if (!WizardOutput::save(wizard, bytes, path, message, report))
        return false;
    if (!replaced.isEmpty())
        Dialogs::warning(wizard, QStringLiteral("В кодировке Windows-1251 нет символов %1. "
                                                "В файл \"%2\" они записаны как \"?\".")
                                     .arg(listed(replaced), path));
    return true;
}

bool gameSavesUtf8()
{
    return ProgramState::gameMode == QLatin1String("ArmA");
}
