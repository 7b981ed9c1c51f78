#include "skin/draw/keyed_copy.h"

#include "skin/draw/engine_bitmap.h"
#include "skin/draw/whole_pixel_scaling.h"

void DrawKeyed(QImage& destination, const QPoint& position, const QImage& source, std::optional<QRgb> key)
{
    if (source.isNull() || destination.isNull())
        return;
    ConvertToSkinBitmap(destination);
    // On a face of a higher ratio the source is enlarged to it and copied in
    // device pixels.
    const int ratio = WholePixelRatio(destination.devicePixelRatio());
    const QImage pixels = ScaleByWholePixels(ToSkinBitmap(source), ratio);
    const QPoint at = position * ratio;
    const QRect area = QRect(at, pixels.size()).intersected(destination.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const QRgb* from = SkinRow(pixels, y - at.y());
        QRgb* to = SkinRow(destination, y);
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = from[x - at.x()];
            if (key && (pixel & 0x00FFFFFFu) == *key)
                continue;
            to[x] = pixel;
        }
    }
}
