#pragma once

// The skin font moved to the drawing layer, which the menus share.
#include "skin/draw/skin_font.h"
