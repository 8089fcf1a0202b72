// Finding another program's top-level window by its exact title and bringing it back (X11).
#pragma once

#include <QString>
#include <functional>

namespace WindowFinder {

using WindowId = unsigned long; // 0: none

// The first managed top-level window whose title is exactly `title`; 0 without an X display.
WindowId find(const QString &title);

// Shows the window normally (de-iconified, raised) and asks the window manager to activate it.
void restore(WindowId window);

// Tests: when handlers are set the desktop is not asked.
using FindHandler = std::function<WindowId(const QString &)>;
using RestoreHandler = std::function<void(WindowId)>;
void setHandlers(FindHandler find, RestoreHandler restore);

} // namespace WindowFinder
