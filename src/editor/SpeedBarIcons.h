// The speed bar's image list: an icon for each image index, from the icon theme or our own.
#pragma once

#include <QIcon>

namespace SpeedBarIcons {

// The desktop's own icon theme first and Breeze behind it; on a platform that names no theme or
// searches no icon folders (a bare X server, offscreen), Breeze from the system's icon folders.
void setUpTheme();

// The icon of an image index: the theme's icon of its freedesktop name, or our own drawing for
// what no theme has (the games, the wizards, the repairs, the selection modes).
QIcon icon(int index);

} // namespace SpeedBarIcons
