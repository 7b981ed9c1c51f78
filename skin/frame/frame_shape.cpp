#include "skin/frame/frame_shape.h"

#include "skin/data/form_info.h"
#include "skin/draw/mask_region.h"
#include "skin/draw/engine_bitmap.h"
#include "skin/frame/frame_rect.h"

namespace {

bool PointInPicture(const QPoint& point, const QSize& size)
{
    return point.x() >= 0 && point.y() >= 0 && point.x() <= size.width() && point.y() <= size.height();
}

bool BlackAt(const QImage& strip, qint64 x, qint64 y)
{
    if (strip.isNull() || x < 0 || y < 0 || x >= strip.width() || y >= strip.height())
        return false;
    return (SkinRow(strip, int(y))[x] & 0xFFFFFF) == 0;
}

} // namespace

SkinPieceGeometry FramePiece(const TbsFormInfo& info, const QSize& pictureSize, const SkinRect& clientArea)
{
    SkinPieceGeometry piece;
    piece.skinRect = QRect(QPoint(0, 0), pictureSize);
    piece.leftTop = info.leftTopPoint;
    piece.rightTop = info.rightTopPoint;
    piece.leftBottom = info.leftBottomPoint;
    piece.rightBottom = info.rightBottomPoint;
    piece.clientRect = FrameRect(clientArea);
    piece.leftStretch = info.leftStretch;
    piece.topStretch = info.topStretch;
    piece.rightStretch = info.rightStretch;
    piece.bottomStretch = info.bottomStretch;
    return piece;
}

SkinTargetGeometry FrameTarget(const TbsFrameGeometry& geometry, const QRect& clientArea)
{
    return { geometry.width, geometry.height, geometry.nLT, geometry.nRT, geometry.nLB, geometry.nRB, clientArea };
}

bool FrameFitsPicture(const TbsFormInfo& info, const QSize& pictureSize, const SkinRect& clientArea)
{
    if (pictureSize.isEmpty() || clientArea.left < 0 || clientArea.top < 0 || clientArea.right > pictureSize.width()
        || clientArea.bottom > pictureSize.height() || clientArea.right < clientArea.left
        || clientArea.bottom < clientArea.top)
        return false;
    for (const QPoint& point : { info.leftTopPoint, info.rightTopPoint, info.leftBottomPoint, info.rightBottomPoint }) {
        if (!PointInPicture(point, pictureSize))
            return false;
    }
    return true;
}

void TbsFrameShape::Rebuild(const QImage& mask, const TbsFormInfo& info, const QSize& pictureSize,
    const TbsFrameGeometry& geometry)
{
    Clear();
    if (mask.isNull() || mask.size() != pictureSize || !FrameFitsPicture(info, pictureSize, info.maskRectArea))
        return;
    m_hasMask = true;
    m_mask = geometry.nMask;
    m_strips = ComposeMaskBorders(mask, FramePiece(info, pictureSize, info.maskRectArea),
        FrameTarget(geometry, geometry.nMask));
}

void TbsFrameShape::Clear()
{
    m_hasMask = false;
    m_mask = {};
    m_strips = {};
}

std::optional<QRegion> TbsFrameShape::Region() const
{
    if (!m_hasMask)
        return std::nullopt;
    return RegionOfMaskBorders(m_strips, m_mask);
}

bool TbsFrameShape::PointInFrameShape(const QPoint& point) const
{
    if (!m_hasMask)
        return true;
    if (RectHolds(m_mask, point))
        return true;
    const qint64 x = point.x();
    const qint64 y = point.y();
    if (y < m_mask.top())
        return BlackAt(m_strips.top, x, y);
    if (y < EndY(m_mask)) {
        if (x > m_mask.left())
            return BlackAt(m_strips.right, x - EndX(m_mask), y - m_mask.top());
        return BlackAt(m_strips.left, x, y - m_mask.top());
    }
    return BlackAt(m_strips.bottom, x, y - EndY(m_mask));
}
