#pragma once

#include "app/window/main_window_skin_use.h"
#include "skin/frame/skin_form.h"

// The frame controller's border icons that show the main window's caption
// buttons.
constexpr TbsBorderIcons MainWindowBorderIcons()
{
    TbsBorderIcons icons = 0;
    for (const TbsStdCommand command : main_window_skin::kCaptionButtonCommands) {
        switch (command) {
        case cmMaximize:
            icons |= biMaximize;
            break;
        case cmMinimize:
            icons |= biMinimize;
            break;
        case cmSysMenu:
            icons |= biSystemMenu;
            break;
        case cmRollUp:
            icons |= biRollUp;
            break;
        case cmMinimizeToTray:
            icons |= biMinimizeToTray;
            break;
        case cmClose:
        case cmDefault:
            break;
        }
    }
    return icons;
}
