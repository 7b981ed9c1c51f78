#include "skin/draw/image_turns.h"

#include "skin/draw/engine_bitmap.h"

#include <cstring>

namespace {

enum class Turn { CounterClockwise, Clockwise };

// A quarter turn as one loop: source row y becomes one column of the result,
// read down that column for a clockwise turn and up it otherwise.
QImage Turned(const QImage& source, Turn turn)
{
    QImage const from = ToSkinBitmap(source);
    int const width = from.width();
    int const height = from.height();
    QImage turned = MakeSkinBitmap(height, width);
    bool const clockwise = turn == Turn::Clockwise;
    int const firstRow = clockwise ? 0 : width - 1;
    int const rowStep = clockwise ? 1 : -1;
    for (int y = 0; y < height; ++y) {
        const QRgb* row = SkinRow(from, y);
        int const column = clockwise ? height - 1 - y : y;
        for (int x = 0; x < width; ++x)
            SkinRow(turned, firstRow + rowStep * x)[column] = row[x];
    }
    turned.setDevicePixelRatio(from.devicePixelRatio());
    return turned;
}

} // namespace

QImage TurnLeft(const QImage& source)
{
    return Turned(source, Turn::CounterClockwise);
}

QImage TurnRight(const QImage& source)
{
    return Turned(source, Turn::Clockwise);
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
