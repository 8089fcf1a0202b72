// Windows virtual-key codes against Qt's keys.
#include "settings/ShortcutCode.h"

#include <array>
#include <utility>

namespace {

const std::array<std::pair<int, Qt::Key>, 34> kKeys = {{
    {0x08, Qt::Key_Backspace}, {0x09, Qt::Key_Tab}, {0x0D, Qt::Key_Return}, {0x1B, Qt::Key_Escape},
    {0x20, Qt::Key_Space}, {0x21, Qt::Key_PageUp}, {0x22, Qt::Key_PageDown}, {0x23, Qt::Key_End},
    {0x24, Qt::Key_Home}, {0x25, Qt::Key_Left}, {0x26, Qt::Key_Up}, {0x27, Qt::Key_Right},
    {0x28, Qt::Key_Down}, {0x2D, Qt::Key_Insert}, {0x2E, Qt::Key_Delete},
    {0xBA, Qt::Key_Semicolon}, {0xBB, Qt::Key_Equal}, {0xBC, Qt::Key_Comma}, {0xBD, Qt::Key_Minus},
    {0xBE, Qt::Key_Period}, {0xBF, Qt::Key_Slash}, {0xC0, Qt::Key_QuoteLeft},
    {0xDB, Qt::Key_BracketLeft}, {0xDC, Qt::Key_Backslash}, {0xDD, Qt::Key_BracketRight},
    {0xDE, Qt::Key_Apostrophe}, {0x13, Qt::Key_Pause}, {0x2C, Qt::Key_Print}, {0x5D, Qt::Key_Menu},
    // Numeric keypad last, so that a key found on both maps to its main-keyboard code.
    {0x6A, Qt::Key_Asterisk}, {0x6B, Qt::Key_Plus}, {0x6D, Qt::Key_Minus}, {0x6F, Qt::Key_Slash},
    {0x6E, Qt::Key_Period},
}};

Qt::Key keyOfCode(int vk)
{
    if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z'))
        return Qt::Key(vk);
    if (vk >= 0x60 && vk <= 0x69) // numeric keypad digits
        return Qt::Key(Qt::Key_0 + (vk - 0x60));
    if (vk >= 0x70 && vk <= 0x87)
        return Qt::Key(Qt::Key_F1 + (vk - 0x70));
    for (const auto &[code, key] : kKeys)
        if (code == vk)
            return key;
    return Qt::Key_unknown;
}

int codeOfKey(Qt::Key key)
{
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z))
        return int(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return 0x70 + (key - Qt::Key_F1);
    for (const auto &[code, k] : kKeys) // the first code of a key is its main-keyboard one
        if (k == key)
            return code;
    return 0;
}

} // namespace

namespace ShortcutCode {

QKeyCombination toKey(int code)
{
    const Qt::Key key = keyOfCode(code & 0xFF);
    if (key == Qt::Key_unknown)
        return QKeyCombination();
    Qt::KeyboardModifiers mods;
    if (code & kShift)
        mods |= Qt::ShiftModifier;
    if (code & kCtrl)
        mods |= Qt::ControlModifier;
    if (code & kAlt)
        mods |= Qt::AltModifier;
    return QKeyCombination(mods, key);
}

int fromKey(QKeyCombination combination)
{
    const int code = codeOfKey(combination.key());
    if (code == 0)
        return 0;
    const Qt::KeyboardModifiers mods = combination.keyboardModifiers();
    return code | (mods & Qt::ShiftModifier ? kShift : 0) | (mods & Qt::ControlModifier ? kCtrl : 0)
           | (mods & Qt::AltModifier ? kAlt : 0);
}

} // namespace ShortcutCode
