// The question before a Windows-1251 save writes characters the code page lacks as '?'.
#pragma once

#include <QString>

class QWidget;

// True when nothing would be lost (`replaced` is empty, asking nothing) or when the user agrees to
// the file at `path` holding '?' for each character of `replaced`, which the question names once.
bool agreeToReplaceCharacters(QWidget *parent, const QString &replaced, const QString &path);
