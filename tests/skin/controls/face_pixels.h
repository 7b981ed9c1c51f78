#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

// What a widget shows, read back through grab() in one pixel format.
inline QImage GrabFace(QWidget& widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

inline QRgb PixelAt(const QImage& image, int x, int y)
{
    return image.pixel(x, y) & 0x00FFFFFFu;
}

inline QRgb Rgb(int red, int green, int blue)
{
    return static_cast<QRgb>((red << 16) | (green << 8) | blue);
}

// How many pixels of the rectangle have exactly this colour.
inline int CountColor(const QImage& image, const QRect& area, QRgb rgb)
{
    int count = 0;
    const QRect clipped = area.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            count += PixelAt(image, x, y) == rgb ? 1 : 0;
    return count;
}

// How many pixels of area on the face differ from the picture's piece that
// should be drawn there, starting at pieceTopLeft.
inline int DifferingPixels(const QImage& face, const QRect& area, const QImage& picture, const QPoint& pieceTopLeft)
{
    int differing = 0;
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x)
            differing += PixelAt(face, area.left() + x, area.top() + y)
                    != PixelAt(picture, pieceTopLeft.x() + x, pieceTopLeft.y() + y)
                ? 1
                : 0;
    return differing;
}
