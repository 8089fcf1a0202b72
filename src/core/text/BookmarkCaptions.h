// Bookmark menu captions and the digit of a bookmark key.
#pragma once

#include <QString>

namespace BookmarkCaptions {

// Before any bookmark is set: "1" .. "9", and "0" followed by six blanks.
QString initial(int number);
// After a set: "3 (12): hint" - the number, the caret line and the word at the caret.
QString afterSet(int number, qsizetype line, const QString &word);
// After clearing all: the number and five blanks.
QString afterClear(int number);

// The digit 0..9 of a key of the main keyboard's digit row, whatever the layout makes of it
// (Shift+1 gives '!', the Russian layout's Shift+3 '№'): Qt's key code for a plain digit, else
// the X keysym of a digit, else the row's X key code (10..19 for 1..9, 0). -1 for any other key
// and for the numeric keypad.
int digitKey(int qtKey, bool keypad, quint32 nativeVirtualKey, quint32 nativeScanCode);

} // namespace BookmarkCaptions
