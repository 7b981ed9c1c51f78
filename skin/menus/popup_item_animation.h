#pragma once

#include <QRect>

// The frame animation of a menu row, for skins whose row definition has an
// animation strip. Frame 0 shows the normal face and frame frameCount + 1
// the highlighted one; the frames between show the strip's pieces. A row
// that becomes highlighted counts up to frameCount + 1, one that stops being
// highlighted counts down to 0.

// Piece frame (1 .. frameCount) of the strip: stacked when the normal face
// (faceHeight high) is lower than the strip, else side by side. Empty for any
// other frame or a strip that cannot be cut into frameCount pieces.
QRect MenuItemAnimationFrame(const QRect& strip, int faceHeight, int frameCount, int frame);

// The frame after frame on one tick of the animation timer.
int NextMenuItemAnimationFrame(int frame, bool highlighted, int frameCount);

// The frame a row starts from when it stops being highlighted: it runs
// backward from the highlighted end, unless the definition's inactive
// animation is set, which runs it back from where it is. (A row that becomes
// highlighted restarts from frame 0.)
int MenuItemAnimationFrameOnLeave(int frame, int frameCount, bool inactiveAnimation);
