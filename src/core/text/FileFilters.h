// File-dialog filters written as "description|mask;mask|..." pairs, as Qt name filters.
#pragma once

#include <QString>
#include <QStringList>

namespace FileFilters {

// "SQS|*.sqs|Все файлы|*.*" becomes {"SQS (*.sqs)", "Все файлы (*)"}. "*.*" means every file,
// as it does on Windows; masks go inside the parentheses, separated by blanks.
QStringList toQtNameFilters(const QString &filter);

} // namespace FileFilters
