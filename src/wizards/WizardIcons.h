// Icons of the wizards' small buttons: the desktop theme's, or our own.
#pragma once

#include <QIcon>

// The theme icon of that freedesktop name, else resources/icons/<name>.svg.
QIcon wizardIcon(const QString &themeName);
