// Windows-1251 ("ANSI") as a byte encoding: every byte but NUL survives a round trip.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace Cp1251 {

// The character of one byte; 0x98, undefined in the code page, maps to U+0098.
QChar toUnicode(unsigned char byte);

// The byte of a character, or -1 when the code page cannot hold it.
int fromUnicode(QChar ch);

QString decode(QByteArrayView bytes);

// The same characters as UTF-8 bytes, without a detour through UTF-16.
QByteArray toUtf8(QByteArrayView bytes);

// Characters the code page lacks become '?'; each distinct one is appended to *replaced.
QByteArray encode(QStringView text, QString *replaced = nullptr);

// True when every character of the text has a byte in the code page.
bool canEncode(QStringView text);

} // namespace Cp1251
