// The one way the windows write a text file: the question before an existing file is replaced, and
// the write itself, encoded, asked about characters Windows-1251 lacks, a failure shown.
#pragma once

#include "platform/Dialogs.h"

#include <QString>

class QWidget;

// "Файл … уже существует. Заменить его?", asked about a name the file dialog did not ask about.
Dialogs::Answer askToReplaceFile(QWidget *parent, const QString &path);

// Writes `text` to `path` as UTF-8 (with its mark when `bom`) or Windows-1251. Characters the code
// page lacks are named once in a question and written as '?' only when the user agrees. False when
// nothing was written: refused, or a failed write, which is shown and leaves any old file whole.
bool writeTextFile(QWidget *parent, const QString &text, bool utf8, bool bom, const QString &path);
