#include "skin/controls/animation_frame.h"

#include <algorithm>

SkinRect AnimationFrame(const SkinRect& strip, int count, int frame, int faceWidth)
{
    count = std::max(1, count);
    const int index = std::clamp(frame, 1, count) - 1;
    if (strip.Width() > faceWidth) {
        const int frameWidth = strip.Width() / count;
        return SkinRect { strip.left + index * frameWidth, strip.top, strip.left + (index + 1) * frameWidth,
            strip.bottom };
    }
    const int frameHeight = strip.Height() / count;
    return SkinRect { strip.left, strip.top + index * frameHeight, strip.right, strip.top + (index + 1) * frameHeight };
}
