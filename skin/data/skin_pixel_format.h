#pragma once

#include <QImage>

// Every picture of a loaded skin, and every face, strip, mask and effect buffer
// of the skin engine, is a QImage in this one format: 32 bits per pixel with
// the colour in the low 24 bits, so a row is an array of quint32 that memcpy
// can move and effects can walk without conversions. Skin pictures are decoded
// straight into it.
inline constexpr QImage::Format kSkinBitmapFormat = QImage::Format_RGB32;
