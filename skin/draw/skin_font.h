#pragma once

#include "skin/data/skin_values.h"

#include <QFont>
#include <QString>

// The font a definition names by its fontname, fontheight and fontstyle keys.
// The height is taken as the font's pixel size whatever its sign; a height of 0
// gives the 14 pixels of the default font.
QFont SkinFont(const QString& name, int height, FontStyles style);
