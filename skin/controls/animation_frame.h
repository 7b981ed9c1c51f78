#pragma once

#include <QRect>

// Frame `frame` (1-based, clamped to 1 .. count) of an animation strip that
// holds `count` equal frames: side by side when the strip is wider than one
// face of faceWidth, otherwise stacked.
QRect AnimationFrame(const QRect& strip, int count, int frame, int faceWidth);
