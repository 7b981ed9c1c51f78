#include "skin/controls/kept_face.h"

#include "skin/draw/area_reduction.h"
#include "skin/draw/engine_bitmap.h"

#include <QPainter>

namespace {

// Parts are kept only where they save most of the face, and only a few, so
// that a paint of a fragmented region does not copy many small images.
constexpr qint64 kMostOfTheFace = 2;
constexpr int kMostParts = 8;

qint64 AreaOf(const QRegion& region)
{
    qint64 area = 0;
    for (const QRect& part : region)
        area += qint64(part.width()) * part.height();
    return area;
}

} // namespace

bool KeptFace::Covers(const QRegion& region, qreal deviceRatio) const
{
    if (!m_parts.empty() && IsFractionalRatio(deviceRatio))
        return false;
    return !IsEmpty() && region.subtracted(m_kept).isEmpty();
}

void KeptFace::Keep(QImage face, const QRegion& reachable, qreal deviceRatio)
{
    Clear();
    if (face.isNull())
        return;
    const QRect whole = LogicalRect(face);
    const QRegion parts = reachable.intersected(whole);
    m_kept = whole;
    if (IsFractionalRatio(deviceRatio) || parts.rectCount() > kMostParts || AreaOf(parts) * kMostOfTheFace > qint64(whole.width()) * whole.height()) {
        m_whole = std::move(face);
        return;
    }
    // A face of a whole pixel ratio holds each logical pixel in whole device
    // pixels, so its parts copy exactly.
    const qreal ratio = face.devicePixelRatio();
    const int wholeRatio = qRound(ratio);
    for (const QRect& place : parts) {
        QImage pixels = face.copy(QRect(place.topLeft() * wholeRatio, place.size() * wholeRatio));
        pixels.setDevicePixelRatio(ratio);
        m_parts.push_back({ place, std::move(pixels) });
    }
    m_kept = parts;
}

QImage KeptFace::TakeWhole()
{
    QImage whole = std::move(m_whole);
    Clear();
    return whole;
}

void KeptFace::Draw(QPainter& painter, const QRegion& region) const
{
    if (!m_whole.isNull()) {
        DrawFaceOnDevice(painter, QPoint(), m_whole, region);
        return;
    }
    for (const Part& part : m_parts)
        DrawFaceOnDevice(painter, part.place.topLeft(), part.pixels, region);
}

void KeptFace::Clear()
{
    m_whole = {};
    m_parts.clear();
    m_kept = {};
}

qsizetype KeptFace::Bytes() const
{
    qsizetype bytes = m_whole.sizeInBytes();
    for (const Part& part : m_parts)
        bytes += part.pixels.sizeInBytes();
    return bytes;
}
