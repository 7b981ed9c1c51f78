#pragma once

#include "skin/data/skin_values.h"

// The colours of the plain look (a control without a skin) that the system
// palette does not hold, as skin colours (0x00BBGGRR).

// A face under the mouse: hovered buttons, scroll arrows and tabs, the
// active tab of an unfocused page control, and the bar of a gauge.
constexpr SkinColor kPlainHotFill = 0xD2BDB6;
// A face held down: pressed buttons and scroll arrows, and the active tab of
// a focused page control.
constexpr SkinColor kPlainDownFill = 0xB59385;
