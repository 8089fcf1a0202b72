// Where a window stands when it is shown: centred on the desktop or on another window, or at a place
// of its own; its frame and title bar always wholly on the screen, where its size allows.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>

class QWidget;

namespace WindowPosition {

// The frame the desktop draws around the program's windows, as `framed`, a window already on the
// screen, has it: a window's own is not known before the desktop has framed it. None offscreen.
QMargins frameOf(const QWidget *framed);

// Moves `window`, whose size is final, so that its frame's centre is `area`'s, then into `screen`.
// `frame` is the frame expected where the window's own is not known yet.
void centre(QWidget *window, const QRect &area, const QRect &screen, const QMargins &frame);
// Moves `window`'s frame to `offset` from the top left of `screen`, then into it.
void putAt(QWidget *window, QPoint offset, const QRect &screen, const QMargins &frame);

enum class Rule { CentredOnDesktop, CentredOnWindow, AtOffset };

// Places `window` by `rule` each time it is shown, when its contents and so its size are final.
// `reference` is the window it is centred on, and whose screen and frame it shares; `offset` is
// from the top left of the screen's free area, for AtOffset.
void placeAtEachShowing(QWidget *window, Rule rule, const QWidget *reference, QPoint offset = {});

} // namespace WindowPosition
