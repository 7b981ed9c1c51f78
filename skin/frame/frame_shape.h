#pragma once

#include "skin/draw/compose_skin_image.h"
#include "skin/frame/frame_geometry.h"

#include <QImage>
#include <QRegion>
#include <optional>

class TbsFormInfo;

// The geometry of a frame picture as a nine-piece skin element, with
// clientArea in the role of the client rectangle.
SkinPieceGeometry FramePiece(const TbsFormInfo& info, const QSize& pictureSize, const SkinRect& clientArea);
// The target of that piece on a window of the given geometry.
SkinTargetGeometry FrameTarget(const TbsFrameGeometry& geometry, const QRect& clientArea);

// Whether rect lies inside a picture of pictureSize (edges included) and every
// corner point of info does too: only then can pieces be cut from it without
// reading outside the picture or making strips larger than it.
bool FrameFitsPicture(const TbsFormInfo& info, const QSize& pictureSize, const SkinRect& clientArea);

// The window shape cut from a skin's mask picture: the mask rectangle and the
// four mask strips around it, kept between size changes so point tests need no
// region arithmetic.
class TbsFrameShape {
public:
    // Rebuilds the strips for geometry. Without a usable mask (none, another
    // size than the frame picture, geometry outside it) the shape is none.
    void Rebuild(const QImage& mask, const TbsFormInfo& info, const QSize& pictureSize,
        const TbsFrameGeometry& geometry);
    void Clear();

    bool HasMask() const { return m_hasMask; }
    // The shape as a region, or none when the window stays rectangular.
    std::optional<QRegion> Region() const;
    // Whether a window point belongs to the shape; every point does without a
    // mask.
    bool PointInFrameShape(const QPoint& point) const;

private:
    bool m_hasMask { false };
    QRect m_mask;
    SkinBorderStrips m_strips;
};
