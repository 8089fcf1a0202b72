// The reference tree's list control.
#include "reference/TreeList.h"

#include <QHeaderView>

TreeList::TreeList(QWidget *parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setEditTriggers(NoEditTriggers);
}
