#include "skin/menus/popup_item_animation.h"

#include <algorithm>

QRect MenuItemAnimationFrame(const QRect& strip, int faceHeight, int frameCount, int frame)
{
    if (frameCount <= 0 || frame < 1 || frame > frameCount || strip.isEmpty())
        return {};
    if (faceHeight < strip.height()) {
        const int height = strip.height() / frameCount;
        if (height <= 0)
            return {};
        return QRect(strip.left(), strip.top() + (frame - 1) * height, strip.width(), height);
    }
    const int width = strip.width() / frameCount;
    if (width <= 0)
        return {};
    return QRect(strip.left() + (frame - 1) * width, strip.top(), width, strip.height());
}

int NextMenuItemAnimationFrame(int frame, bool highlighted, int frameCount)
{
    const int last = std::max(0, frameCount) + 1;
    frame = std::clamp(frame, 0, last);
    if (highlighted)
        return std::min(frame + 1, last);
    return std::max(frame - 1, 0);
}

int MenuItemAnimationFrameOnLeave(int frame, int frameCount, bool inactiveAnimation)
{
    return inactiveAnimation ? frame : std::max(0, frameCount) + 1;
}
