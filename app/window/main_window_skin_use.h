#pragma once

#include "skin/data/frame_command.h"

#include <QLatin1StringView>
#include <array>

// What the main window takes from a skin. The window's controls look their
// definitions up by these names, and its frame shows the caption buttons of
// these commands; the skin tool checks a skin against the same lists and
// draws the window's frame with them.
namespace main_window_skin {

inline constexpr QLatin1StringView kButton { "button" };
inline constexpr QLatin1StringView kCheckBox { "checkbox" };
inline constexpr QLatin1StringView kPanel { "panel" };
inline constexpr QLatin1StringView kLabel { "stdlabel" };
inline constexpr QLatin1StringView kEdit { "edit" };
inline constexpr QLatin1StringView kMemo { "memo" };
inline constexpr QLatin1StringView kMemoScrollBar { "vscrollbar" };
inline constexpr QLatin1StringView kMemoBothScrollBar { "bothhscrollbar" };
inline constexpr QLatin1StringView kSlider { "slider" };
inline constexpr QLatin1StringView kPages { "tab" };
inline constexpr QLatin1StringView kGauge { "gauge" };

inline constexpr std::array kControlDefinitions { kButton, kCheckBox, kPanel, kLabel, kEdit, kMemo, kMemoScrollBar,
    kMemoBothScrollBar, kSlider, kPages, kGauge };

// The close button is always there; the others the window asks for.
inline constexpr std::array kCaptionButtonCommands { cmClose, cmMaximize, cmMinimize };

} // namespace main_window_skin
