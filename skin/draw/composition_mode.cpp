#include "skin/draw/composition_mode.h"

#include <algorithm>

bool IsDrawable(const SkinRect& rect)
{
    return IsSkinCoordinate(rect.left) && IsSkinCoordinate(rect.top) && IsSkinCoordinate(rect.right)
        && IsSkinCoordinate(rect.bottom);
}

namespace {

bool IsDrawable(const QPoint& point)
{
    return IsSkinCoordinate(point.x()) && IsSkinCoordinate(point.y());
}

} // namespace

bool IsDrawable(const QRect& rect)
{
    return IsDrawable(SkinRect::FromQRect(rect));
}

bool IsDrawable(const SkinPieceGeometry& piece)
{
    return IsDrawable(piece.skinRect) && IsDrawable(piece.clientRect) && IsDrawable(piece.leftTop)
        && IsDrawable(piece.rightTop) && IsDrawable(piece.leftBottom) && IsDrawable(piece.rightBottom);
}

bool IsDrawable(const SkinTargetGeometry& target)
{
    return IsSkinCoordinate(target.width) && IsSkinCoordinate(target.height) && IsDrawable(target.clientRect)
        && IsDrawable(target.leftTop) && IsDrawable(target.rightTop) && IsDrawable(target.leftBottom)
        && IsDrawable(target.rightBottom);
}

CompositionMode CompositionModeOf(const SkinPieceGeometry& piece)
{
    if (!IsDrawable(piece) || piece.skinRect.isEmpty())
        return CompositionMode::None;
    if (piece.rightBottom.x() != 0 && piece.rightBottom.y() != 0)
        return CompositionMode::Full;
    if (!piece.rightTop.isNull())
        return CompositionMode::Horizontal;
    if (!piece.leftBottom.isNull())
        return CompositionMode::Vertical;
    return CompositionMode::Fixed;
}

namespace {

QPoint ClampedInto(const QPoint& point, const QPoint& shift, int width, int height)
{
    QPoint const moved = point - shift;
    return { std::clamp(moved.x(), 0, width), std::clamp(moved.y(), 0, height) };
}

} // namespace

SkinPieceGeometry ClipToPicture(const SkinPieceGeometry& piece, const QSize& pictureSize)
{
    if (!IsDrawable(piece))
        return piece;
    // The cut is made on the edges, the rectangles' right and bottom exclusive.
    SkinRect const skin = SkinRect::FromQRect(piece.skinRect);
    SkinRect const client = SkinRect::FromQRect(piece.clientRect);
    SkinRect const inside { std::max(skin.left, 0), std::max(skin.top, 0), std::min(skin.right, pictureSize.width()),
        std::min(skin.bottom, pictureSize.height()) };
    SkinPieceGeometry clipped = piece;
    if (inside.IsEmpty()) {
        clipped.skinRect = {};
        return clipped;
    }
    clipped.skinRect = inside.ToQRect();
    QPoint const shift { inside.left - skin.left, inside.top - skin.top };
    int const width = inside.Width();
    int const height = inside.Height();
    clipped.leftTop = ClampedInto(piece.leftTop, shift, width, height);
    clipped.rightTop = ClampedInto(piece.rightTop, shift, width, height);
    clipped.leftBottom = ClampedInto(piece.leftBottom, shift, width, height);
    clipped.rightBottom = ClampedInto(piece.rightBottom, shift, width, height);
    QPoint const clientTopLeft = ClampedInto(client.TopLeft(), shift, width, height);
    QPoint const clientBottomRight = ClampedInto({ client.right, client.bottom }, shift, width, height);
    clipped.clientRect
        = SkinRect { clientTopLeft.x(), clientTopLeft.y(), clientBottomRight.x(), clientBottomRight.y() }.ToQRect();
    return clipped;
}

SkinTargetGeometry CalcTargetGeometry(CompositionMode mode, const SkinPieceGeometry& piece, int width, int height)
{
    SkinTargetGeometry target { width, height, piece.leftTop, piece.rightTop, piece.leftBottom, piece.rightBottom,
        piece.clientRect };
    if (mode == CompositionMode::None || !IsDrawable(piece) || !IsSkinCoordinate(width) || !IsSkinCoordinate(height))
        return target;
    int const skinWidth = piece.skinRect.width();
    int const skinHeight = piece.skinRect.height();
    if (mode == CompositionMode::Horizontal || mode == CompositionMode::Fixed)
        target.height = skinHeight;
    if (mode == CompositionMode::Vertical || mode == CompositionMode::Fixed)
        target.width = skinWidth;
    int const dW = target.width - skinWidth;
    int const dH = target.height - skinHeight;
    target.rightTop.rx() += dW;
    target.leftBottom.ry() += dH;
    target.rightBottom += QPoint(dW, dH);
    target.clientRect.adjust(0, 0, dW, dH);
    return target;
}

namespace {

SkinRect MapFullModeRect(const SkinPieceGeometry& piece, const SkinRect& rect, int dW, int dH)
{
    int const skinWidth = piece.skinRect.width();
    int const skinHeight = piece.skinRect.height();
    SkinRect const zoneLT { 0, 0, piece.leftTop.x(), piece.leftTop.y() };
    SkinRect const zoneRT { piece.rightTop.x(), 0, skinWidth, piece.rightTop.y() };
    SkinRect const zoneLB { 0, piece.leftBottom.y(), piece.leftBottom.x(), skinHeight };
    SkinRect const zoneRB { piece.rightBottom.x(), piece.rightBottom.y(), skinWidth, skinHeight };

    if (RectInRect(rect, zoneLT))
        return rect;
    if (RectInRect(rect, zoneRT))
        return rect.Translated(dW, 0);
    if (RectInRect(rect, zoneLB))
        return rect.Translated(0, dH);
    if (RectInRect(rect, zoneRB))
        return rect.Translated(dW, dH);

    QPoint const topLeft { rect.left, rect.top };
    QPoint const bottomRight { rect.right, rect.bottom };
    SkinRect mapped = rect;
    if (PointInRect(topLeft, zoneLT) && PointInRect(bottomRight, zoneRB)) {
        mapped.right += dW;
        mapped.bottom += dH;
    } else if (PointInRect(topLeft, zoneLT) && PointInRect(bottomRight, zoneRT)) {
        mapped.right += dW;
    } else if (PointInRect(topLeft, zoneLB) && PointInRect(bottomRight, zoneRB)) {
        mapped.right += dW;
        mapped = mapped.Translated(0, dH);
    } else if (PointInRect(topLeft, zoneLT) && PointInRect(bottomRight, zoneLB)) {
        mapped.bottom += dH;
    } else if (PointInRect(topLeft, zoneRT) && PointInRect(bottomRight, zoneRB)) {
        mapped = mapped.Translated(dW, 0);
        mapped.bottom += dH;
    }
    return mapped;
}

// The zones are told apart by the rectangle's edges, right and bottom
// exclusive, an edge on a zone's border belonging to it.
SkinRect MapEdges(CompositionMode mode, const SkinPieceGeometry& piece, const SkinRect& rect, int width, int height)
{
    if (!IsDrawable(piece) || !IsDrawable(rect) || !IsSkinCoordinate(width) || !IsSkinCoordinate(height))
        return rect;
    int const dW = width - piece.skinRect.width();
    int const dH = height - piece.skinRect.height();
    switch (mode) {
    case CompositionMode::Full:
        return MapFullModeRect(piece, rect, dW, dH);
    case CompositionMode::Horizontal:
        if (rect.left <= piece.leftTop.x() && rect.right >= piece.rightTop.x())
            return { rect.left, rect.top, rect.right + dW, rect.bottom };
        if (rect.left >= piece.rightTop.x() && rect.right > piece.rightTop.x())
            return rect.Translated(dW, 0);
        return rect;
    case CompositionMode::Vertical:
        if (rect.top <= piece.leftTop.y() && rect.bottom >= piece.leftBottom.y())
            return { rect.left, rect.top, rect.right, rect.bottom + dH };
        if (rect.top >= piece.leftBottom.y() && rect.bottom > piece.leftBottom.y())
            return rect.Translated(0, dH);
        return rect;
    case CompositionMode::Fixed:
    case CompositionMode::None:
        return rect;
    }
    return rect;
}

} // namespace

QRect MapSkinRect(CompositionMode mode, const SkinPieceGeometry& piece, const QRect& rect, int width, int height)
{
    return MapEdges(mode, piece, SkinRect::FromQRect(rect), width, height).ToQRect();
}
