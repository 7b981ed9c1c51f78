#pragma once

#include "skin/data/data_skin_control.h"
#include "skin/data/skin_rect.h"
#include "skin/data/skin_values.h"

#include <QPoint>
#include <QRect>
#include <QSize>

// How a resizable skin piece is cut up and where its cuts land at a given size.

enum class CompositionMode {
    None = -1, // no skin face: the element draws its fallback
    Fixed = 0, // the skin rectangle unchanged, at its own size
    Full = 1, // nine pieces, both axes follow the element
    Horizontal = 2, // three pieces side by side, the skin height stays
    Vertical = 3, // three pieces stacked, the skin width stays
};

// A piece as its definition gives it. The four points and the client rectangle
// are relative to the skin rectangle's top-left.
struct SkinPieceGeometry {
    QRect skinRect;
    QPoint leftTop;
    QPoint rightTop;
    QPoint leftBottom;
    QPoint rightBottom;
    QRect clientRect;
    bool leftStretch { false };
    bool topStretch { false };
    bool rightStretch { false };
    bool bottomStretch { false };
    bool stretchEffect { false }; // the client piece is stretched rather than tiled
    StretchType stretchType { StretchType::stFull };
};

// Where the points and the client rectangle of a piece land in a target image,
// relative to its top-left, and the size that image takes.
struct SkinTargetGeometry {
    int width { 0 };
    int height { 0 };
    QPoint leftTop;
    QPoint rightTop;
    QPoint leftBottom;
    QPoint rightBottom;
    QRect clientRect;
};

// Coordinates this far out can only come from a corrupt skin. Geometry that
// holds one is not drawn (and not resized), which keeps every sum of
// coordinates far from overflowing.
inline constexpr int kMaxSkinCoordinate = 1 << 20;
constexpr bool IsSkinCoordinate(int value)
{
    return value >= -kMaxSkinCoordinate && value <= kMaxSkinCoordinate;
}
bool IsDrawable(const SkinRect& rect);
bool IsDrawable(const QRect& rect);
bool IsDrawable(const SkinPieceGeometry& piece);
bool IsDrawable(const SkinTargetGeometry& target);

// The stretch keys of a resizable definition, as a piece takes them.
template <typename Definition> void TakeStretchKeys(const Definition& definition, SkinPieceGeometry& piece)
{
    piece.leftStretch = definition.leftStretch;
    piece.topStretch = definition.topStretch;
    piece.rightStretch = definition.rightStretch;
    piece.bottomStretch = definition.bottomStretch;
    piece.stretchEffect = definition.stretchEffect;
    piece.stretchType = definition.stretchType;
}

// The geometry a definition with the nine-piece keys (a custom control's, a
// tab control's frame) gives its skin rectangle: where the definition's
// rectangles become the rectangles the drawing code reads.
template <typename Definition> SkinPieceGeometry PieceGeometryOf(const Definition& definition)
{
    SkinPieceGeometry piece { definition.skinRect.ToQRect(), definition.leftTopPoint, definition.rightTopPoint,
        definition.leftBottomPoint, definition.rightBottomPoint, definition.clientRect.ToQRect() };
    TakeStretchKeys(definition, piece);
    return piece;
}

CompositionMode CompositionModeOf(const SkinPieceGeometry& piece);

// The piece cut to a picture of pictureSize: its skin rectangle made the part
// that lies in the picture (empty when none does), its points and client
// rectangle held inside what is left. A piece whose parts all lie inside
// its picture stays as it is; nothing composed from the result reads or
// allocates more than the picture holds, however far a broken skin's
// rectangles reach.
SkinPieceGeometry ClipToPicture(const SkinPieceGeometry& piece, const QSize& pictureSize);

// The target geometry for a proposed size: full mode keeps the size, the
// horizontal mode forces the skin height, the vertical mode the skin width,
// the fixed mode the skin size. Mode none, and geometry that is not
// drawable, keep the proposal and the points.
SkinTargetGeometry CalcTargetGeometry(CompositionMode mode, const SkinPieceGeometry& piece, int width, int height);

// A rectangle given in skin coordinates (relative to the skin rectangle) moved
// and widened the way its part of the piece moves at the size width x height.
QRect MapSkinRect(CompositionMode mode, const SkinPieceGeometry& piece, const QRect& rect, int width, int height);

// Point tests of the rectangle routines: PointInRect with every edge included,
// PointInRectExclusive with the right and bottom edges left out.
constexpr bool PointInRect(const QPoint& point, const SkinRect& rect)
{
    return rect.left <= point.x() && point.x() <= rect.right && rect.top <= point.y() && point.y() <= rect.bottom;
}
constexpr bool PointInRectExclusive(const QPoint& point, const SkinRect& rect)
{
    return rect.left <= point.x() && point.x() < rect.right && rect.top <= point.y() && point.y() < rect.bottom;
}
// Both corners of inner pass PointInRectExclusive for outer.
constexpr bool RectInRect(const SkinRect& inner, const SkinRect& outer)
{
    return PointInRectExclusive({ inner.left, inner.top }, outer)
        && PointInRectExclusive({ inner.right, inner.bottom }, outer);
}
