// Writing the windows' text files.
#include "common/TextFileWrite.h"

#include "AppError.h"
#include "platform/Dialogs.h"
#include "text/DocumentCodec.h"
#include "text/FileText.h"

#include <QStringList>

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

// True when nothing would be lost, or when the user agrees to the loss.
bool agreeToReplaceCharacters(QWidget *parent, const QString &replaced, const QString &path)
{
    if (replaced.isEmpty())
        return true;
    const QString question = QStringLiteral("В кодировке Windows-1251 нет символов %1. "
                                            "Записать их в файл \"%2\" как \"?\"?")
                                 .arg(listed(replaced), path);
    // Enter keeps the characters: written as '?' they are lost.
    return Dialogs::question(parent, question, QString(), Dialogs::Answer::No) == Dialogs::Answer::Yes;
}

} // namespace

Dialogs::Answer askToReplaceFile(QWidget *parent, const QString &path)
{
    return Dialogs::question(parent, QStringLiteral("Файл \"%1\" уже существует.\nЗаменить его?").arg(path));
}

bool writeTextFile(QWidget *parent, const QString &text, bool utf8, bool bom, const QString &path)
{
    QString replaced;
    const QByteArray bytes = DocumentCodec::encode(
        text, utf8 ? DocumentCodec::Encoding::Utf8 : DocumentCodec::Encoding::Ansi, bom, &replaced);
    if (!agreeToReplaceCharacters(parent, replaced, path))
        return false;
    try {
        saveTextToFile(bytes, path);
    } catch (const AppError &error) {
        Dialogs::showError(parent, error);
        return false;
    }
    return true;
}
