// Whole-file reads and writes, and the plain text helpers shared by the windows.
#pragma once

#include <QByteArray>
#include <QString>

// The whole content of a file, bytes unchanged. Throws AppError "Cannot open file ...".
QByteArray loadFileToString(const QString &fileName);

// Writes the bytes, nothing added. The old file stays whole when the write fails,
// which throws AppError "Cannot create file ..." with the system's reason.
void saveTextToFile(const QByteArray &bytes, const QString &fileName);

// The same write without the error: the system's reason, or an empty string when the file was
// written whole. Through a temporary file beside it, so a failure leaves the old file as it was.
QString writeWholeFile(const QByteArray &bytes, const QString &fileName);

// Every occurrence of pattern replaced, left to right; replaced text is never scanned again.
QString replaceAll(const QString &text, const QString &pattern, const QString &replacement);
