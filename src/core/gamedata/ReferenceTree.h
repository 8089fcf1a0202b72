// The command reference tree as data.dat gives it, and the text a name of it puts into the editor.
#pragma once

#include "gamedata/Game.h"

#include <QString>
#include <QStringList>
#include <vector>

struct ReferenceNode
{
    QString text;
    std::vector<ReferenceNode> children;
};

namespace ReferenceTree {

// Caption of the top node whose children are script commands.
QString commandsCaption();

// The top nodes of the current game's sections and of the sections that name neither game, in
// file order: a header's caption, its lines as children, a line that begins with a blank
// (without it) as a child of the line before. The completion lists and the magazines are left out.
std::vector<ReferenceNode> build(const QStringList &lines, Game game);

// The text that puts a name into a string at `caret` (0-based) of `line`: a double quote is added
// before it unless the character before the caret is one, and after it unless the character at
// the caret is one. At the start of the line nothing stands before the caret.
QString quotedName(const QString &line, qsizetype caret, const QString &name);

} // namespace ReferenceTree
