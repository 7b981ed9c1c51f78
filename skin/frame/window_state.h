#pragma once

// The caption buttons a window offers.
enum TbsBorderIcon { biSystemMenu = 1 << 0, biMinimize = 1 << 1, biMaximize = 1 << 2, biRollUp = 1 << 3, biMinimizeToTray = 1 << 4 };
using TbsBorderIcons = unsigned;

enum class TbsPositionInMonitor { bspDefault, bspScreenCenter, bspDesktopCenter };
enum class TbsWindowState { wsNormal = 0, wsMinimized = 1, wsMaximized = 2 };
// The form's border style: whether it has a frame, can be sized, and whether
// it is a tool window with a smaller caption.
enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
