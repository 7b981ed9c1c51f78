#pragma once

#include <QColor>
#include <QRect>

class QPainter;

// One-pixel frames drawn as filled bands rather than with a pen: on a face of
// a higher whole pixel ratio a band covers exactly the device pixels of its
// logical pixels, where a pen's line lands half a logical pixel off.

// A one-pixel frame just inside rect.
void DrawOutline(QPainter& painter, const QRect& rect, const QColor& color);

// A one-pixel 3-D frame just inside rect: topLeft on the top and left edge,
// bottomRight on the bottom and right edge (and their shared corners).
void DrawOutline3D(QPainter& painter, const QRect& rect, const QColor& topLeft, const QColor& bottomRight);
