// The user's own folders of desktop entries and MIME types, and the caches built from them.
#pragma once

#include <QString>

namespace DesktopDatabase {

// $XDG_DATA_HOME, else ~/.local/share.
QString dataHome();
// $XDG_CONFIG_HOME, else ~/.config.
QString configHome();

// Rebuilds the user's MIME and desktop-entry caches with the tools that are installed, so that
// new file types take effect without logging in again.
void refresh();

} // namespace DesktopDatabase
