#pragma once

#include <QByteArray>
#include <QImage>

// BMP files written byte by byte, padding included, so the same picture gives
// the same file on every run (Qt's writer leaves row padding of 1-bit
// pictures undefined). Colour pictures are written with 24 bits per pixel,
// masks with 1 bit per pixel: black inside the shape, white outside.
QByteArray EncodeBmp24(const QImage& image);
QByteArray EncodeBmpMask(const QImage& mask);
