#pragma once

#include <QImage>

// Turned and flipped copies of a skin bitmap, for tabs that sit on the left,
// right or bottom of a page control.

// Turned 90 degrees counter-clockwise: pixel (x, y) lands at (y, width - 1 - x).
QImage TurnLeft(const QImage& source);
// Turned 90 degrees clockwise: pixel (x, y) lands at (height - 1 - y, x).
QImage TurnRight(const QImage& source);
// Upside down: pixel (x, y) lands at (x, height - 1 - y).
QImage FlipVertically(const QImage& source);
