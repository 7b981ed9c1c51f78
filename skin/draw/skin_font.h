#pragma once

#include "skin/data/skin_values.h"

#include <QFont>
#include <QString>

// The largest pixel size a skin's font is given. A crafted height would
// otherwise make one glyph the size of a screen, and a control that sizes
// itself to its text (a label, the window's tool strip) thousands of times
// wider than any screen.
constexpr int kMaxSkinFontPixels = 72;

// The font a definition names by its fontname, fontheight and fontstyle keys.
// The height is taken as the font's pixel size whatever its sign, at most
// kMaxSkinFontPixels; a height of 0 gives the 14 pixels of the default font.
QFont SkinFont(const QString& name, int height, FontStyles style);
