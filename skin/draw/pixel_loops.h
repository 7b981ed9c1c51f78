#pragma once

#include "skin/draw/engine_bitmap.h"

// The loops of the per-pixel effects, written once. They are templates so the
// operation is inlined into the loop: the effects run over whole windows and
// a call per pixel would show in their timings.

// Every pixel of image replaced by change(pixel), row by row from the top and
// left to right, so an operation that draws random numbers draws them in the
// pixels' order. An image in another format is converted first.
template <typename Change> void ChangeEachPixel(QImage& image, Change change)
{
    ConvertToSkinBitmap(image);
    int const width = image.width();
    int const height = image.height();
    for (int y = 0; y < height; ++y) {
        QRgb* row = SkinRow(image, y);
        for (int x = 0; x < width; ++x)
            row[x] = change(row[x]);
    }
}

// Every pixel of current replaced by mix(its pixel, target's pixel, x, y).
// Both are skin bitmaps of the same size.
template <typename Mix> void MixEachPixel(QImage& current, const QImage& target, Mix mix)
{
    int const width = current.width();
    int const height = current.height();
    for (int y = 0; y < height; ++y) {
        QRgb* row = SkinRow(current, y);
        const QRgb* to = SkinRow(target, y);
        for (int x = 0; x < width; ++x)
            row[x] = mix(row[x], to[x], x, y);
    }
}
