// The settings file's shortcut code: key code in the low byte, Shift $2000, Ctrl $4000, Alt $8000.
#pragma once

#include <QKeyCombination>

namespace ShortcutCode {
inline constexpr int kShift = 0x2000;
inline constexpr int kCtrl = 0x4000;
inline constexpr int kAlt = 0x8000;

// An empty combination for 0 or a key code we do not know.
QKeyCombination toKey(int code);

// 0 for a combination that has no code.
int fromKey(QKeyCombination key);
} // namespace ShortcutCode
