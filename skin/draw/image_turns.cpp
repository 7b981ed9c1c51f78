#include "skin/draw/image_turns.h"

#include "skin/draw/engine_bitmap.h"

#include <cstring>

QImage TurnLeft(const QImage& source)
{
    QImage const from = ToSkinBitmap(source);
    int const width = from.width();
    int const height = from.height();
    QImage turned = MakeSkinBitmap(height, width);
    for (int y = 0; y < height; ++y) {
        const QRgb* row = SkinRow(from, y);
        for (int x = 0; x < width; ++x)
            SkinRow(turned, width - 1 - x)[y] = row[x];
    }
    turned.setDevicePixelRatio(from.devicePixelRatio());
    return turned;
}

QImage TurnRight(const QImage& source)
{
    QImage const from = ToSkinBitmap(source);
    int const width = from.width();
    int const height = from.height();
    QImage turned = MakeSkinBitmap(height, width);
    for (int y = 0; y < height; ++y) {
        const QRgb* row = SkinRow(from, y);
        for (int x = 0; x < width; ++x)
            SkinRow(turned, x)[height - 1 - y] = row[x];
    }
    turned.setDevicePixelRatio(from.devicePixelRatio());
    return turned;
}

QImage FlipVertically(const QImage& source)
{
    QImage const from = ToSkinBitmap(source);
    QImage flipped = MakeSkinBitmap(from.width(), from.height());
    for (int y = 0; y < from.height(); ++y)
        std::memcpy(SkinRow(flipped, from.height() - 1 - y), SkinRow(from, y), sizeof(QRgb) * from.width());
    flipped.setDevicePixelRatio(from.devicePixelRatio());
    return flipped;
}
