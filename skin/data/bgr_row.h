#pragma once

#include <QRgb>
#include <QtGlobal>

// Widens a row of width blue, green, red byte triples, as 24-bit pictures
// store them, into opaque 0xAARRGGBB pixels. Reads exactly 3 * width bytes.
void ExpandBgrRow(const uchar* in, QRgb* out, int width);
