// Which names the editor offers for completion, and which entries match what was typed.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace CompletionRules {

// The game names a command takes inside its quoted argument.
enum class ArgumentList { None, Magazines, Weapons, Animations };

// The list of a command word, compared without regard to case.
ArgumentList argumentListOf(QStringView command);

// The list to offer when a double quote has just been typed before `caret` (0-based), or when
// completion is asked for there: the character before the caret is left out and the other
// quotes of the line counted; an odd count means the quote closes a string, so nothing opens.
// Otherwise the word before the caret decides.
ArgumentList argumentListAt(const QString &line, qsizetype caret);

// Rows of `keys` that begin with `prefix`, compared without regard to case, in order.
QList<int> matchingRows(const QStringList &keys, QStringView prefix);

} // namespace CompletionRules
