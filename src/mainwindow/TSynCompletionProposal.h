// The command completion pop-up's lists and its shortcut code.
#pragma once

#include <QObject>
#include <QStringList>

class TSynCompletionProposal : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    QStringList InsertList; // text inserted for entry i
    QStringList ItemList;   // text shown for entry i
    int ShortCut = 9;       // settings-file shortcut code; 9 is Tab
};
