// Captions of the twenty bookmark items; the digit row behind a bookmark key.
#include "text/BookmarkCaptions.h"

#include <Qt>

namespace BookmarkCaptions {

QString initial(int number)
{
    return number == 0 ? QStringLiteral("0      ") : QString::number(number);
}

QString afterSet(int number, qsizetype line, const QString &word)
{
    return QStringLiteral("%1 (%2): %3").arg(number).arg(line).arg(word);
}

QString afterClear(int number)
{
    return QString::number(number) + QStringLiteral("     ");
}

int digitKey(int qtKey, bool keypad, quint32 nativeVirtualKey, quint32 nativeScanCode)
{
    if (keypad)
        return -1;
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return qtKey - Qt::Key_0;
    if (nativeVirtualKey >= '0' && nativeVirtualKey <= '9')
        return int(nativeVirtualKey - '0');
    constexpr quint32 kRowFirst = 10, kRowLast = 19; // X key codes of "1" .. "9", "0"
    if (nativeScanCode >= kRowFirst && nativeScanCode <= kRowLast)
        return int(nativeScanCode - kRowFirst + 1) % 10;
    return -1;
}

} // namespace BookmarkCaptions
