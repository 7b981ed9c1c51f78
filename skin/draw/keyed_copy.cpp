#include "skin/draw/keyed_copy.h"

#include "skin/draw/engine_bitmap.h"

void DrawKeyed(QImage& destination, const QPoint& position, const QImage& source, std::optional<QRgb> key)
{
    if (source.isNull() || destination.isNull())
        return;
    ConvertToSkinBitmap(destination);
    const QImage pixels = ToSkinBitmap(source);
    const QRect area = QRect(position, pixels.size()).intersected(destination.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const QRgb* from = SkinRow(pixels, y - position.y());
        QRgb* to = SkinRow(destination, y);
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = from[x - position.x()];
            if (key && (pixel & 0x00FFFFFFu) == *key)
                continue;
            to[x] = pixel;
        }
    }
}
