// The width and height of a JPEG picture, read through libjpeg.
#pragma once

#include <QSize>
#include <QString>

// The size is the header's. The whole picture is decoded at an eighth of its size, so that damaged
// or cut-off data is found as well as a bad header; a picture in several scans too large to decode
// in little memory has its structure walked to its end instead.
// Throws AppError "JPEG error #<libjpeg message number>" for data libjpeg cannot decode, and
// "Cannot open file ..." for a file that cannot be read.
QSize readJpegSize(const QString &path);

// The same for a picture already in memory.
QSize readJpegSize(const QByteArray &bytes);
