#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where a window goes next when it is docked to the screen's top, left or right edge: pushed against an
// edge it slides away leaving a 3-pixel strip, and it comes back when the pointer touches that strip.
// `window` is its outer rectangle on the screen, `screen` the primary screen's size, `cursor` the pointer.
// Returns the window's new top-left corner (its old one when nothing applies).
QPoint edgeDock(QRect window, QSize screen, QPoint cursor);

// Where a window goes to come fully into view: on the screen and one pixel clear of the top, left and
// right edges, so that the next docking step does not hide it again at once. A window already clear of
// them stays where it is.
QPoint undockedPosition(QRect window, QSize screen);
