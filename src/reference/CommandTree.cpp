// The reference tree's nodes as tree widget items.
#include "reference/CommandTree.h"

#include <QTreeWidget>

namespace {

QTreeWidgetItem *itemOf(const ReferenceNode &node)
{
    auto *item = new QTreeWidgetItem(QStringList(node.text));
    if (node.children.empty())
        return item;
    QList<QTreeWidgetItem *> children;
    children.reserve(qsizetype(node.children.size()));
    for (const ReferenceNode &child : node.children)
        children.append(itemOf(child));
    item->addChildren(children);
    return item;
}

} // namespace

namespace CommandTree {

void fill(QTreeWidget *tree, const std::vector<ReferenceNode> &nodes)
{
    tree->clear();
    QList<QTreeWidgetItem *> top;
    top.reserve(qsizetype(nodes.size()));
    for (const ReferenceNode &node : nodes)
        top.append(itemOf(node));
    tree->addTopLevelItems(top);
}

QString commandOf(const QTreeWidgetItem *item)
{
    if (!item || !item->parent() || item->parent()->text(0) != ReferenceTree::commandsCaption())
        return {};
    return item->text(0);
}

} // namespace CommandTree
