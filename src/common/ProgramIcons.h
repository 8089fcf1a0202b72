// Icons from the desktop's icon theme with the program's own drawings behind them.
#pragma once

#include <QIcon>
#include <QString>

namespace ProgramIcons {

// One of our own drawings in the resources' icons folder, by file name ("go-up.svg"). Each is read
// once: an SVG icon parses its file when it is made.
QIcon own(const QString &file);

// The theme's icon of a freedesktop name, or our own drawing when the theme has none (the drawing
// is made only then).
QIcon themedOr(const QString &themeName, const QString &ownFile);

} // namespace ProgramIcons
