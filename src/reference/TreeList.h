// The reference tree's list control: a read-only tree of one-line entries.
#pragma once

#include <QTreeWidget>

class TreeList : public QTreeWidget
{
    Q_OBJECT
public:
    explicit TreeList(QWidget *parent = nullptr);
};
