#pragma once

#include <QRect>

// The work area (the screen less its panels and docks) of the screen nearest
// to a window with the given frame geometry, or that screen's whole rectangle
// when full is set. Nearest is the screen holding the window's centre, else
// the one closest to it; with no screen at all, an empty rectangle.
QRect WindowWorkArea(const QRect& windowGeometry, bool full = false);
