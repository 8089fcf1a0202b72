// The external SQF formatter: a native library loaded for one call and released.
#pragma once

#include <QByteArray>
#include <QString>

namespace FormatterLibrary {

inline const QString kFileName = QStringLiteral("autoformat.so");

enum class Status {
    Formatted,
    NoLibrary,     // not beside the executable and not found by the system's library search
    NoEntryPoints, // one of the two exports is missing
    NoResult,      // the formatter returned no text
};

struct Result
{
    Status status = Status::NoLibrary;
    QByteArray text;
};

// Formats the text up to its first NUL byte with one TAB as the indent. The library exports
// "@AutoFormat$qpcit1" (char *text, int length, char *indent) -> char * and
// "@DeleteArray$qpc" (char *), which takes the returned text back.
Result format(const QByteArray &text);

} // namespace FormatterLibrary
