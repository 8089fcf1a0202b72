// The replaced-characters question of every Windows-1251 save.
#include "common/ReplacedCharacters.h"

#include "platform/Dialogs.h"

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

} // namespace

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
