// The speed bar's image list: an icon for each image index.
#pragma once

#include <QIcon>

namespace SpeedBarIcons {

// The desktop theme's icon where it has one, else a small drawn badge of our own.
QIcon icon(int index);

} // namespace SpeedBarIcons
