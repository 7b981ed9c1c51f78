#pragma once

#include "art_palette.h"
#include "skin_ini_writer.h"
#include "skin_pictures.h"

// Popup menus and hints: the window pictures and masks of [POPUPWINDOW] and
// [HINTWINDOW], and the item definitions of popup menus and the menu bar.
void DrawPopupAndHintWindows(SkinIniWriter& ini, SkinPictures& pictures, const SkinPalette& colors);
void DrawMenuItems(SkinIniWriter& ini, SkinPictures& pictures, const SkinPalette& colors);
