// A command's help card: a text file of seven lines in the "cmd" folder, named after the command.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace HelpCard {

// Command, game, version, syntax, parameters, return value, description.
inline constexpr int kRows = 7;

// Removes the first tag ("<...>") and then the first closing tag ("</...>"), so a line wrapped
// in one pair of tags gives its text; a '>' before the first '<' removes nothing.
QString stripFirstTags(const QString &line);

// The card file of `name` in `dir`, found without regard to case; empty when there is none or
// when the name holds anything but identifier characters, so no path can leave the folder.
QString findFile(const QString &dir, const QString &name);

// The rows of a card (Windows-1251, any line breaks), tags removed. A card shorter than seven
// lines leaves the rest empty; further lines are ignored.
QStringList rows(QByteArrayView bytes);

} // namespace HelpCard
