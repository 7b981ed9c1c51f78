#include "skin/controls/animation_frame.h"

#include <algorithm>

QRect AnimationFrame(const QRect& strip, int count, int frame, int faceWidth)
{
    count = std::max(1, count);
    const int index = std::clamp(frame, 1, count) - 1;
    if (strip.width() > faceWidth) {
        const int frameWidth = strip.width() / count;
        return QRect(strip.left() + index * frameWidth, strip.top(), frameWidth, strip.height());
    }
    const int frameHeight = strip.height() / count;
    return QRect(strip.left(), strip.top() + index * frameHeight, strip.width(), frameHeight);
}
