// The width and height of a JPEG picture, read through libjpeg.
#pragma once

#include <QSize>
#include <QString>

// Decodes the whole picture, so that damaged or cut-off data is found as well as a bad header.
// Throws AppError "JPEG error #<libjpeg message number>" for data libjpeg cannot decode, and
// "Cannot open file ..." for a file that cannot be read.
QSize readJpegSize(const QString &path);

// The same for a picture already in memory.
QSize readJpegSize(const QByteArray &bytes);
