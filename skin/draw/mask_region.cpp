#include "skin/draw/mask_region.h"

#include "skin/draw/border_strip.h"
#include "skin/draw/engine_bitmap.h"

#include <algorithm>

namespace {

constexpr QRgb kOutside = 0xffffff;

bool IsInside(QRgb pixel)
{
    return (pixel & 0xffffffu) == 0;
}

void AddStrip(QRegion& shape, const QImage& strip, int xOffset, int yOffset)
{
    if (!strip.isNull())
        shape += MaskToRegionData(strip, xOffset, yOffset).ToRegion();
}

} // namespace

qsizetype MaskRegionData::SizeInBytes() const
{
    if (bounds.isEmpty())
        return 0;
    return 32 + 16 * static_cast<qsizetype>(rects.size());
}

QRegion MaskRegionData::ToRegion() const
{
    // The runs are already in the banded order a region keeps its rectangles
    // in, so they are handed over as they are rather than united one by one.
    QRegion region;
    if (!rects.empty())
        region.setRects(rects.data(), static_cast<int>(rects.size()));
    return region;
}

MaskRegionData MaskToRegionData(const QImage& mask, int xOffset, int yOffset)
{
    MaskRegionData data;
    if (mask.isNull())
        return data;
    data.bounds = QRect(xOffset, yOffset, mask.width(), mask.height());
    QImage const pixels = ToSkinBitmap(mask);
    for (int y = 0; y < pixels.height(); ++y) {
        const QRgb* const row = SkinRow(pixels, y);
        const QRgb* const end = row + pixels.width();
        for (const QRgb* run = std::find_if(row, end, IsInside); run != end; run = std::find_if(run, end, IsInside)) {
            const QRgb* const runEnd = std::find_if_not(run, end, IsInside);
            data.rects.emplace_back(xOffset + static_cast<int>(run - row), yOffset + y, static_cast<int>(runEnd - run), 1);
            run = runEnd;
        }
    }
    return data;
}

std::optional<QRegion> RegionFromMask(const QImage& mask)
{
    if (mask.isNull())
        return std::nullopt;
    return MaskToRegionData(mask, 0, 0).ToRegion();
}

SkinBorderStrips ComposeMaskBorders(const QImage& mask, const SkinPieceGeometry& piece,
    const SkinTargetGeometry& target)
{
    SkinBorderStrips strips;
    if (mask.isNull() || !IsDrawable(piece) || !IsDrawable(target))
        return strips;
    QImage const source = ToSkinBitmap(mask);
    QPoint const &lt = piece.leftTop, &rt = piece.rightTop, &lb = piece.leftBottom, &rb = piece.rightBottom;
    QPoint const &nlt = target.leftTop, &nrt = target.rightTop, &nlb = target.leftBottom, &nrb = target.rightBottom;
    SkinRect const cl = SkinRect::FromQRect(piece.clientRect); // the strips are cut at its edges
    int const mw = source.width();
    int const mh = source.height();
    int const w = target.width;
    int const sideHeight = target.clientRect.height();

    // Mask bands are always repeated, laid from where they land in the target.
    strips.top = ComposeBorderStrip(source,
        { { w, cl.top }, RectFromEdges(lt.x(), 0, rt.x(), cl.top), false, RectFromEdges(nlt.x(), 0, nrt.x(), cl.top),
            RectFromEdges(0, 0, lt.x(), cl.top), { 0, 0 }, RectFromEdges(rt.x(), 0, mw, cl.top), { nrt.x(), 0 },
            kOutside });
    int const bottomHeight = mh - cl.bottom;
    strips.bottom = ComposeBorderStrip(source,
        { { w, bottomHeight }, RectFromEdges(lb.x(), cl.bottom, rb.x(), mh), false,
            RectFromEdges(nlb.x(), 0, nrb.x(), bottomHeight), RectFromEdges(0, cl.bottom, lb.x(), mh), { 0, 0 },
            RectFromEdges(rb.x(), cl.bottom, mw, mh), { nrb.x(), 0 }, kOutside });
    strips.left = ComposeBorderStrip(source,
        { { cl.left, sideHeight }, RectFromEdges(0, lt.y(), cl.left, lb.y()), false, QRect(0, 0, cl.left, sideHeight),
            RectFromEdges(0, cl.top, cl.left, lt.y()), { 0, 0 }, RectFromEdges(0, lb.y(), cl.left, cl.bottom),
            { 0, sideHeight - (cl.bottom - lb.y()) }, kOutside });
    int const rightWidth = mw - cl.right;
    strips.right = ComposeBorderStrip(source,
        { { rightWidth, sideHeight }, RectFromEdges(cl.right, rt.y(), mw, rb.y()), false,
            QRect(0, 0, rightWidth, sideHeight), RectFromEdges(cl.right, cl.top, mw, rt.y()), { 0, 0 },
            RectFromEdges(cl.right, rb.y(), mw, cl.bottom), { 0, sideHeight - (cl.bottom - rb.y()) }, kOutside });
    return strips;
}

std::optional<QRegion> ComposeMaskRegion(const QImage& mask, const SkinPieceGeometry& piece,
    const SkinTargetGeometry& target)
{
    if (!IsDrawable(piece) || !IsDrawable(target) || target.rightTop.x() < target.leftTop.x()
        || target.leftBottom.y() < target.leftTop.y() || mask.isNull())
        return std::nullopt;
    return RegionOfMaskBorders(ComposeMaskBorders(mask, piece, target), target.clientRect);
}

QRegion RegionOfMaskBorders(const SkinBorderStrips& strips, const QRect& client)
{
    QRegion shape;
    if (!client.isEmpty())
        shape = QRegion(client);
    // The strips start at the client rectangle's edges, right and bottom exclusive.
    SkinRect const edges = SkinRect::FromQRect(client);
    AddStrip(shape, strips.top, 0, 0);
    AddStrip(shape, strips.bottom, 0, edges.bottom);
    AddStrip(shape, strips.left, 0, edges.top);
    AddStrip(shape, strips.right, edges.right, edges.top);
    return shape;
}

std::optional<QRegion> SkinFaceRegion(const QImage& mask, const SkinPieceGeometry& piece, CompositionMode mode,
    int width, int height)
{
    if (mask.isNull() || mode == CompositionMode::None || !IsDrawable(piece))
        return std::nullopt;
    if (mode == CompositionMode::Fixed)
        return RegionFromMask(mask);

    SkinPieceGeometry shape = piece;
    SkinTargetGeometry target = CalcTargetGeometry(mode, piece, width, height);
    int const skinWidth = piece.skinRect.width();
    int const skinHeight = piece.skinRect.height();
    if (mode == CompositionMode::Horizontal) {
        shape.leftBottom = piece.leftTop;
        shape.rightBottom = piece.rightTop;
        target.leftTop = target.leftBottom = piece.leftTop;
        target.rightTop = target.rightBottom
            = QPoint(target.width + piece.rightTop.x() - skinWidth, piece.rightTop.y());
    } else if (mode == CompositionMode::Vertical) {
        shape.rightTop = piece.leftTop;
        shape.rightBottom = piece.leftBottom;
        target.leftTop = target.rightTop = piece.leftTop;
        target.leftBottom = target.rightBottom
            = QPoint(piece.leftBottom.x(), target.height + piece.leftBottom.y() - skinHeight);
    }
    return ComposeMaskRegion(mask, shape, target);
}
