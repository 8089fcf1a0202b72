// Lock indicators from the X keyboard extension; no display means every key is off.
#include "platform/KeyState.h"

#include <QGuiApplication>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>

namespace {

int overrides[4] = {-1, -1, -1, -1};

bool indicator(const char *name)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return false;
    static Display *display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    const Atom atom = XInternAtom(display, name, True);
    if (atom == None)
        return false;
    Bool on = False;
    if (!XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr))
        return false;
    return on;
}

} // namespace

namespace KeyState {

bool isToggledOn(Key key)
{
    const int o = overrides[int(key)];
    if (o >= 0)
        return o != 0;
    switch (key) {
    case Key::CapsLock:
        return indicator("Caps Lock");
    case Key::NumLock:
        return indicator("Num Lock");
    case Key::ScrollLock:
        return indicator("Scroll Lock");
    case Key::Insert:
        break; // the desktop keeps no Insert toggle; the editor's own flag stands in
    }
    return false;
}

void setOverride(Key key, int state)
{
    overrides[int(key)] = state;
}

} // namespace KeyState
