// Filling the reference tree from data.dat, and what a node of it stands for.
#pragma once

#include "gamedata/ReferenceTree.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace CommandTree {

// Replaces the tree's nodes; all of them start collapsed and nothing is selected.
void fill(QTreeWidget *tree, const std::vector<ReferenceNode> &nodes);

// The command a node names (a child of the top node "Команды"); empty for any other node.
QString commandOf(const QTreeWidgetItem *item);

} // namespace CommandTree
