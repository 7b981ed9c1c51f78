#pragma once

// The system colours moved to the drawing layer, which the menus share.
#include "skin/draw/system_colors.h"
