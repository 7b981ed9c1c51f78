#pragma once

#include <QRect>

class TbsMenuItem;

// One row of an open popup window: the item it shows and its state there.
struct TbsSkinMenuItem {
    TbsMenuItem* menuItem { nullptr };
    // In window coordinates.
    QRect rect;
    // Inside the scrolled range.
    bool visible { false };
    // Highlighted by the mouse or the keyboard.
    bool active { false };
    // Selected by the keyboard or at opening; the mouse resting on it then
    // still opens its submenu after the delay.
    bool keySelected { false };
    bool submenuOpen { false };
    // 0 normal face .. 1 highlighted face, for skins that morph.
    double morph { 0 };
    // The frame of the row's animation: 0 the normal face, the strip's
    // frame count + 1 the highlighted one.
    int frame { 0 };
};
