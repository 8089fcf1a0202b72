// The command completion pop-up's lists and its shortcut code.
#pragma once

#include <QObject>
#include <QStringList>

class CompletionList : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    QStringList insertList; // text inserted for entry i
    QStringList itemList;   // text shown for entry i
    int shortCut = 9;       // settings-file shortcut code; 9 is Tab
};
