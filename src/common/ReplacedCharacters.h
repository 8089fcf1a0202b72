// The warning after a Windows-1251 save that had to write characters the code page lacks as '?'.
#pragma once

#include <QString>

class QWidget;

// Names each replaced character once; says nothing when `replaced` is empty.
void warnReplacedCharacters(QWidget *parent, const QString &replaced, const QString &path);
