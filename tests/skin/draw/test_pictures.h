#pragma once

#include "skin/draw/engine_bitmap.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QString>

#include <functional>
#include <initializer_list>

// Synthetic pictures for pixel-exact checks. A coordinate picture stores each
// pixel's own position in its red (x) and green (y) channel, so a composed
// image tells for every pixel which source pixel it came from.

inline QImage CoordinatePicture(int width, int height, int blue = 7)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb(x, y, blue));
    return picture;
}

inline QImage FilledPicture(int width, int height, QRgb color)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(color);
    return picture;
}

// One row of pixels with the given colours.
inline QImage PictureRow(std::initializer_list<QRgb> colors)
{
    QImage picture(static_cast<int>(colors.size()), 1, QImage::Format_RGB32);
    int x = 0;
    for (QRgb color : colors)
        picture.setPixel(x++, 0, color);
    return picture;
}

inline QString DescribePixel(QRgb pixel)
{
    return QStringLiteral("(%1, %2, %3)").arg(qRed(pixel)).arg(qGreen(pixel)).arg(qBlue(pixel));
}

// Compares every pixel with the expected colour and names the first that
// differs.
inline ::testing::AssertionResult PixelsAre(const QImage& image, const std::function<QRgb(int x, int y)>& expected)
{
    if (image.isNull())
        return ::testing::AssertionFailure() << "the image is null";
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            QRgb const want = expected(x, y) & 0xffffffu;
            QRgb const got = image.pixel(x, y) & 0xffffffu;
            if (want != got)
                return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is "
                                                     << DescribePixel(got).toStdString() << ", expected "
                                                     << DescribePixel(want).toStdString();
        }
    }
    return ::testing::AssertionSuccess();
}

// The colour a coordinate picture has at (x, y).
inline QRgb At(int x, int y, int blue = 7)
{
    return qRgb(x, y, blue);
}
