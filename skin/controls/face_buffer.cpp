#include "skin/controls/face_buffer.h"

#include "skin/draw/engine_bitmap.h"

#include <QPainter>
#include <QRegion>

void FitFaceBuffer(QImage& face, const QSize& size, int ratio)
{
    const QSize pixels = size * ratio;
    if (face.size() == pixels && face.format() == kSkinBitmapFormat && face.devicePixelRatio() == ratio)
        return;
    face = QImage(pixels, kSkinBitmapFormat);
    face.setDevicePixelRatio(ratio);
}

void DrawExposedFace(QPainter& painter, const QImage& face, const QRegion& region)
{
    const qreal ratio = face.devicePixelRatio();
    const QRect faceArea = LogicalRect(face);
    for (const QRect& exposed : region) {
        const QRect part = exposed.intersected(faceArea);
        if (part.isEmpty())
            continue;
        // Clipped to the part, which the paint may cover whole, the copy is
        // one block: under the paint's whole clip it would go span by span,
        // a tall one split across threads.
        painter.setClipRect(part);
        painter.drawImage(part, face, QRectF(QPointF(part.topLeft()) * ratio, QSizeF(part.size()) * ratio));
    }
}
