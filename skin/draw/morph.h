#pragma once

#include "skin/data/skin_values.h"

#include <QImage>

// One step of a morph transition: current (converted to the skin bitmap
// format if needed) moves towards target by progress (clamped to 0 .. 1), in
// place. Nothing happens when the two images differ in size, or when a kind
// that works on columns meets an image narrower than 2 pixels.
void Morph(QImage& current, const QImage& target, double progress, MorphKind kind);
