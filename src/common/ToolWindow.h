// The frame of the small dialogs: a tool window with a title and a close button only.
#pragma once

#include <Qt>

inline constexpr Qt::WindowFlags kToolWindow =
    Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
