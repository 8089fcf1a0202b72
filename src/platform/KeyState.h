// Lock-key states: the X server's indicators stand in for the Windows key state.
#pragma once

namespace KeyState {

enum class Key { Insert, CapsLock, NumLock, ScrollLock };

// True when the key's toggle is on (and, as far as the desktop tells, not held down).
bool isToggledOn(Key key);

// The three lock keys at once: one question to the X server, as the status bar asks after
// every burst of events.
struct LockKeys
{
    bool caps = false;
    bool num = false;
    bool scroll = false;
};
LockKeys lockKeys();

// Tests: a fixed answer for a key, or -1 to ask the desktop again.
void setOverride(Key key, int state);

} // namespace KeyState
