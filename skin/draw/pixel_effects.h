#pragma once

#include "skin/data/skin_values.h"

#include <QImage>

class RandomGenerator;

// Picture effects that change a skin bitmap in place, channel by channel
// (red, green and blue alike). An image in another format is converted first.

// c = nearest((1 - amount) * c + 255 * amount), amount clamped to 0 .. 1.
void ApplyBrightness(QImage& image, double amount);
// c = nearest((1 - amount) * c), amount clamped to 0 .. 1.
void ApplyDarkness(QImage& image, double amount);
// Every channel becomes nearest(0.3 r + 0.59 g + 0.11 b).
void ApplyGrayScale(QImage& image);
// Each pixel gets one draw n = random(amount) - amount div 2 added to all its
// channels, clamped to 0 .. 255; pixels are drawn row by row. Nothing happens
// for an amount below 1.
void ApplyNoise(QImage& image, int amount, RandomGenerator& random);
// Each pixel becomes the average of four samples amount pixels above or below
// and left or right of it, from the top row down, in place. An image not
// larger than amount on both axes (or an amount below 1) stays as it is.
void ApplySplitBlur(QImage& image, int amount);
// c = 255 - c.
void ApplyInvert(QImage& image);

// The effect a skin names for an inactive window, with the amounts the frame
// uses (brightness 0.5, darkness 0.3, noise 50 from the process-wide random
// generator, split blur 1).
void ApplyInactiveEffect(QImage& image, InactiveEffect effect);
