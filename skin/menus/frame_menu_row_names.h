#pragma once

#include <QLatin1StringView>

// The rows of a frame's system and tray menus are told apart by these names:
// the frame finds and rebuilds its rows by them, and the menu painter shows a
// caption glyph beside the rows that stand for a caption button.
inline constexpr QLatin1StringView kFrameRowMinimize("BSF_MINITEM");
inline constexpr QLatin1StringView kFrameRowMaximize("BSF_MAXITEM");
inline constexpr QLatin1StringView kFrameRowRestore("BSF_RESTORE");
inline constexpr QLatin1StringView kFrameRowRollUp("BSF_ROLLUP");
inline constexpr QLatin1StringView kFrameRowMinimizeToTray("BSF_MINTOTRAY");
inline constexpr QLatin1StringView kFrameRowClose("BSF_CLOSE");
inline constexpr QLatin1StringView kTrayRowRestore("TRAY_BSF_RESTORE");
inline constexpr QLatin1StringView kTrayRowClose("TRAY_BSF_CLOSE");
