#pragma once

#include "tools/skin/skin_tool_command.h"

// preview SKIN: shows the main window and the gallery in the skin SKIN (a
// skin folder, its skin.ini, a packed skin file or a built-in skin's name)
// and follows its files until the windows are closed. It needs a widget
// application on a display.
const SkinToolCommand& PreviewCommand();
