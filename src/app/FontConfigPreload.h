// The system's font configuration read ahead, on a thread of its own.
#pragma once

#include <thread>

// Starts loading fontconfig's configuration files and font caches (7 ms here) while the
// application object is made, instead of when the first window measures its text. The same
// configuration either way: Qt's font database takes the one already loaded. Join the thread
// before the first window is made, so that the loading is never done twice.
std::jthread preloadFontConfiguration();
