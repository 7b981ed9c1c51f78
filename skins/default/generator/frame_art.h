#pragma once

#include "art_palette.h"
#include "skin_ini_writer.h"
#include "skin_pictures.h"

// The window frame: its picture and mask, the [FORMINFO] geometry and the
// caption object that draws the title.
void DrawFrame(SkinIniWriter& ini, SkinPictures& pictures, const SkinPalette& colors);
void AddCaptionObject(SkinIniWriter& ini, const SkinPalette& colors);
