#include "skin/controls/face_buffer.h"

#include "skin/draw/area_reduction.h"
#include "skin/draw/engine_bitmap.h"

bool FaceKey::operator==(const FaceKey& other) const
{
    const bool sameSkin = !skin.owner_before(other.skin) && !other.skin.owner_before(skin);
    return size == other.size && ratio == other.ratio && sameSkin && definitionIndex == other.definitionIndex
        && revision == other.revision && inputs == other.inputs;
}

bool FaceBufferFits(const QImage& face, const QSize& size, int ratio)
{
    return face.size() == size * ratio && face.format() == kSkinBitmapFormat && face.devicePixelRatio() == ratio;
}

void FitFaceBuffer(QImage& face, const QSize& size, int ratio)
{
    if (FaceBufferFits(face, size, ratio))
        return;
    face = QImage(size * ratio, kSkinBitmapFormat);
    face.setDevicePixelRatio(ratio);
}

void DrawExposedFace(QPainter& painter, const QImage& face, const QRegion& region)
{
    DrawFaceOnDevice(painter, QPoint(), face, region);
}
