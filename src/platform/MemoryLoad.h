// The system's memory load: /proc/meminfo stands in for the Windows memory status.
#pragma once

#include <QByteArrayView>
#include <QString>

namespace MemoryLoad {

// The share of physical memory in use, 0..100; 0 when it cannot be told.
int percent();

// The load from the text of /proc/meminfo: (MemTotal - MemAvailable) / MemTotal, rounded down;
// -1 when either line is missing or the total is 0.
int percentFromMeminfo(QByteArrayView text);

// Tests: read this file instead of /proc/meminfo; an empty path reads /proc/meminfo again.
void setMeminfoPath(const QString &path);

} // namespace MemoryLoad
