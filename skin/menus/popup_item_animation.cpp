#include "skin/menus/popup_item_animation.h"

#include <algorithm>

SkinRect MenuItemAnimationFrame(const SkinRect& animateSkinRect, const SkinRect& skinRect, int frameCount, int frame)
{
    if (frameCount <= 0 || frame < 1 || frame > frameCount || animateSkinRect.IsEmpty())
        return {};
    if (skinRect.Height() < animateSkinRect.Height()) {
        const int height = animateSkinRect.Height() / frameCount;
        if (height <= 0)
            return {};
        const int top = animateSkinRect.top + (frame - 1) * height;
        return { animateSkinRect.left, top, animateSkinRect.right, top + height };
    }
    const int width = animateSkinRect.Width() / frameCount;
    if (width <= 0)
        return {};
    const int left = animateSkinRect.left + (frame - 1) * width;
    return { left, animateSkinRect.top, left + width, animateSkinRect.bottom };
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
