#pragma once

#include <QImage>

// The slider's own thumb and ruler pictures, used where the skin gives none.
// The thumb pictures hold two states side by side (normal, then pressed or
// disabled); every picture marks its transparent pixels with the colour of its
// bottom-left pixel.
const QImage& DefaultHorizontalThumb(); // "BS_HTB"
const QImage& DefaultHorizontalRuler(); // "BS_HRL"
const QImage& DefaultVerticalThumb(); // "BS_VTB"
const QImage& DefaultVerticalRuler(); // "BS_VRL"

// A ruler of the given length made from a ruler picture: the picture's first
// and last edgeSize pixels stay at the two ends and its middle is repeated
// between them. The length runs along x (horizontal) or y.
QImage BuildRuler(const QImage& picture, int edgeSize, int length, bool horizontal);
