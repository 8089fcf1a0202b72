// Repair of text typed with the wrong keyboard layout or with Caps Lock wrongly on.
#pragma once

#include <QString>

namespace KeyboardRepair {

// Russian and US English characters exchanged key by key; punctuation goes from the US key to
// the Russian character on it.
QString switchLayout(QStringView text);

// The letter case of the Latin and Russian alphabets swapped; "Ё" and "ё" stay.
QString switchCase(QStringView text);

} // namespace KeyboardRepair
