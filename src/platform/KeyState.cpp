// Lock indicators from the X keyboard extension; no display means every key is off.
#include "platform/KeyState.h"

#include <QGuiApplication>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>

namespace {

int overrides[4] = {-1, -1, -1, -1};

// The X keyboard's indicators: their bit numbers looked up once, their state in one request.
class Indicators
{
public:
    Indicators()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            return;
        m_display = XOpenDisplay(nullptr);
        if (!m_display)
            return;
        const char *const names[] = {"Caps Lock", "Num Lock", "Scroll Lock"};
        for (int i = 0; i < 3; ++i) {
            const Atom atom = XInternAtom(m_display, names[i], True);
            int index = -1;
            if (atom != None && XkbGetNamedIndicator(m_display, atom, &index, nullptr, nullptr, nullptr))
                m_bits[i] = index >= 0 && index < 32 ? 1u << index : 0;
        }
    }
    Indicators(const Indicators &) = delete;
    Indicators &operator=(const Indicators &) = delete;

    // Bits of Caps, Num and Scroll Lock, as the indicators' mask shows them now.
    unsigned state() const
    {
        unsigned mask = 0;
        if (!m_display || XkbGetIndicatorState(m_display, XkbUseCoreKbd, &mask) != Success)
            return 0;
        return mask;
    }
    bool on(unsigned mask, int lock) const { return (mask & m_bits[lock]) != 0; }

private:
    Display *m_display = nullptr;
    unsigned m_bits[3] = {0, 0, 0};
};

const Indicators &indicators()
{
    static const Indicators x;
    return x;
}

bool decided(KeyState::Key key, bool fromDesktop)
{
    const int o = overrides[int(key)];
    return o >= 0 ? o != 0 : fromDesktop;
}

} // namespace

namespace KeyState {

LockKeys lockKeys()
{
    const Indicators &x = indicators();
    const unsigned mask = x.state();
    return {decided(Key::CapsLock, x.on(mask, 0)), decided(Key::NumLock, x.on(mask, 1)),
            decided(Key::ScrollLock, x.on(mask, 2))};
}

bool isToggledOn(Key key)
{
    switch (key) {
    case Key::CapsLock:
        return lockKeys().caps;
    case Key::NumLock:
        return lockKeys().num;
    case Key::ScrollLock:
        return lockKeys().scroll;
    case Key::Insert:
        break; // the desktop keeps no Insert toggle; the editor's own flag stands in
    }
    return decided(key, false);
}

void setOverride(Key key, int state)
{
    overrides[int(key)] = state;
}

} // namespace KeyState
