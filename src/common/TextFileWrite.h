// The one way the windows write a text file: encoded, the user asked before characters Windows-1251
// lacks become '?', written through the program's save routine, a failure shown.
#pragma once

#include <QString>

class QWidget;

// Writes `text` to `path` as UTF-8 (with its mark when `bom`) or Windows-1251. Characters the code
// page lacks are named once in a question and written as '?' only when the user agrees. False when
// nothing was written: refused, or a failed write, which is shown and leaves any old file whole.
bool writeTextFile(QWidget *parent, const QString &text, bool utf8, bool bom, const QString &path);
