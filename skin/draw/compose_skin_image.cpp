#include "skin/draw/compose_skin_image.h"

#include "skin/draw/axis.h"
#include "skin/draw/border_strip.h"
#include "skin/draw/engine_bitmap.h"

#include <QPainter>
#include <algorithm>

namespace {

// A piece of the skin rectangle, from coordinates relative to its top-left.
struct SkinPieces {
    const SkinRect& skin;
    QRect operator()(int left, int top, int right, int bottom) const
    {
        return RectFromEdges(left, top, right, bottom).translated(skin.left, skin.top);
    }
};

} // namespace

void FillWithPiece(QImage& destination, const QRect& area, const QImage& picture, const QRect& piece, bool stretch,
    StretchType stretchType)
{
    if (area.isEmpty() || piece.isEmpty())
        return;
    if (!stretch) {
        TilePiece(destination, area, picture, piece);
        return;
    }
    switch (stretchType) {
    case StretchType::stFull:
        DrawPiece(destination, area, picture, piece);
        return;
    // The repeated copy is only stretched along one axis; along the other no
    // more of it is made than the area can show.
    case StretchType::stHorz: {
        QRect const shown(piece.topLeft(), QSize(std::min(piece.width(), area.width()), piece.height()));
        QImage const column = StretchedPiece(picture, shown, shown.width(), area.height());
        TilePiece(destination, area, column, QRect(0, 0, piece.width(), area.height()));
        return;
    }
    case StretchType::stVert: {
        QRect const shown(piece.topLeft(), QSize(piece.width(), std::min(piece.height(), area.height())));
        QImage const row = StretchedPiece(picture, shown, area.width(), shown.height());
        TilePiece(destination, area, row, QRect(0, 0, area.width(), piece.height()));
        return;
    }
    }
}

void ComposeSkinImage(QImage& destination, const QImage& picture, const SkinPieceGeometry& piece,
    const SkinTargetGeometry& target, bool drawClient)
{
    SetSkinBitmapSize(destination, target.width, target.height);
    QPoint const &lt = piece.leftTop, &rt = piece.rightTop, &lb = piece.leftBottom, &rb = piece.rightBottom;
    if (rb.x() == lt.x() || rb.y() == lt.y() || picture.isNull() || destination.isNull() || !IsDrawable(piece)
        || !IsDrawable(target))
        return;
    QImage const source = ToSkinBitmap(picture);
    SkinRect const& cl = piece.clientRect;
    QPoint const &nlt = target.leftTop, &nrt = target.rightTop, &nlb = target.leftBottom, &nrb = target.rightBottom;
    SkinRect const& ncl = target.clientRect;
    int const sw = piece.skinRect.Width();
    int const sh = piece.skinRect.Height();
    int const w = target.width;
    int const h = target.height;
    SkinPieces const skin { piece.skinRect };

    DrawBand(destination, RectFromEdges(nlt.x(), 0, nrt.x(), ncl.top), source, skin(lt.x(), 0, rt.x(), cl.top),
        piece.topStretch);
    DrawBand(destination, RectFromEdges(nlb.x(), ncl.bottom, nrb.x(), h), source, skin(lb.x(), cl.bottom, rb.x(), sh),
        piece.bottomStretch);
    DrawBand(destination, RectFromEdges(0, nlt.y(), ncl.left, nlb.y()), source, skin(0, lt.y(), cl.left, lb.y()),
        piece.leftStretch);
    DrawBand(destination, RectFromEdges(ncl.right, nrt.y(), w, nrb.y()), source, skin(cl.right, rt.y(), sw, rb.y()),
        piece.rightStretch);

    DrawPiece(destination, RectFromEdges(0, 0, nlt.x(), ncl.top), source, skin(0, 0, lt.x(), cl.top));
    DrawPiece(destination, RectFromEdges(0, ncl.top, ncl.left, nlt.y()), source, skin(0, cl.top, cl.left, lt.y()));
    DrawPiece(destination, RectFromEdges(nrt.x(), 0, w, ncl.top), source, skin(rt.x(), 0, sw, cl.top));
    DrawPiece(destination, RectFromEdges(ncl.right, ncl.top, w, nrt.y()), source, skin(cl.right, cl.top, sw, rt.y()));
    DrawPiece(destination, RectFromEdges(0, nlb.y(), ncl.left, h), source, skin(0, lb.y(), cl.left, sh));
    DrawPiece(destination, RectFromEdges(ncl.left, ncl.bottom, nlb.x(), h), source, skin(cl.left, cl.bottom, lb.x(), sh));
    DrawPiece(destination, RectFromEdges(nrb.x(), ncl.bottom, w, h), source, skin(rb.x(), cl.bottom, sw, sh));
    DrawPiece(destination, RectFromEdges(ncl.right, nrb.y(), w, ncl.bottom), source, skin(cl.right, rb.y(), sw, cl.bottom));

    if (drawClient)
        FillWithPiece(destination, ncl.ToQRect(), source, skin(cl.left, cl.top, cl.right, cl.bottom),
            piece.stretchEffect, piece.stretchType);
}

void ComposeSkinImageStretched(QImage& destination, const QImage& picture, const SkinRect& skinRect,
    const SkinRect& clientRect, int width, int height, bool drawClient)
{
    SkinPieceGeometry piece;
    piece.skinRect = skinRect;
    piece.clientRect = clientRect;
    piece.leftTop = { clientRect.left, clientRect.top };
    piece.rightTop = { clientRect.right, clientRect.top };
    piece.leftBottom = { clientRect.left, clientRect.bottom };
    piece.rightBottom = { clientRect.right, clientRect.bottom };
    piece.leftStretch = piece.topStretch = piece.rightStretch = piece.bottomStretch = true;
    piece.stretchEffect = true;
    piece.stretchType = StretchType::stFull;

    SkinTargetGeometry target { width, height, {}, {}, {}, {}, clientRect };
    target.clientRect.right += width - skinRect.Width();
    target.clientRect.bottom += height - skinRect.Height();
    SkinRect const& ncl = target.clientRect;
    target.leftTop = { ncl.left, ncl.top };
    target.rightTop = { ncl.right, ncl.top };
    target.leftBottom = { ncl.left, ncl.bottom };
    target.rightBottom = { ncl.right, ncl.bottom };
    ComposeSkinImage(destination, picture, piece, target, drawClient);
}

namespace {

bool IsThreePieceDrawable(const SkinRect& skinRect, int head, int tail, int length)
{
    return IsDrawable(skinRect) && IsSkinCoordinate(head) && IsSkinCoordinate(tail) && IsSkinCoordinate(length);
}

// Three pieces along axis: the head and the tail of the skin rectangle
// copied to the ends of length, the middle stretched or repeated between
// them; across the axis the image keeps the skin's size.
void ComposeThreePieces(QImage& destination, const QImage& picture, const SkinRect& skinRect, Axis axis, int head,
    int tail, int length, bool stretch)
{
    QSize const skinSize(skinRect.Width(), skinRect.Height());
    int const skinLength = Along(axis, skinSize);
    int const thickness = Across(axis, skinSize);
    QSize const size = SizeOnAxis(axis, length, thickness);
    SetSkinBitmapSize(destination, size.width(), size.height());
    if (picture.isNull() || destination.isNull() || skinRect.IsEmpty()
        || !IsThreePieceDrawable(skinRect, head, tail, length))
        return;
    QImage const source = ToSkinBitmap(picture);
    auto const span = [&](int start, int end) { return RectOnAxis(axis, start, end, 0, thickness); };
    auto const skinSpan = [&](int start, int end) { return span(start, end).translated(skinRect.left, skinRect.top); };
    if (head != 0)
        DrawPiece(destination, span(0, head), source, skinSpan(0, head));
    if (tail != 0)
        DrawPiece(destination, span(length - tail, length), source, skinSpan(skinLength - tail, skinLength));
    DrawBand(destination, span(head, length - tail), source, skinSpan(head, skinLength - tail), stretch);
}

} // namespace

void ComposeSkinImageHorz(QImage& destination, const QImage& picture, const SkinRect& skinRect, int leftWidth,
    int rightWidth, int width, bool stretch)
{
    ComposeThreePieces(destination, picture, skinRect, Axis::Horizontal, leftWidth, rightWidth, width, stretch);
}

void ComposeSkinImageVert(QImage& destination, const QImage& picture, const SkinRect& skinRect, int topHeight,
    int bottomHeight, int height, bool stretch)
{
    ComposeThreePieces(destination, picture, skinRect, Axis::Vertical, topHeight, bottomHeight, height, stretch);
}

namespace {

// A skin strip is not composed when its band is empty (the side strips then
// take its room), and a band that is not stretched is laid from the strip's
// own origin over the whole strip.
QImage ComposeSkinStrip(const QImage& source, BorderStripPlan plan)
{
    if (plan.band.isEmpty())
        return {};
    if (!plan.stretch)
        plan.bandArea = QRect(QPoint(0, 0), plan.size);
    return ComposeBorderStrip(source, plan);
}

} // namespace

SkinBorderStrips ComposeSkinBorders(const QImage& picture, const SkinPieceGeometry& piece,
    const SkinTargetGeometry& target)
{
    SkinBorderStrips strips;
    if (picture.isNull() || !IsDrawable(piece) || !IsDrawable(target))
        return strips;
    QImage const source = ToSkinBitmap(picture);
    QPoint const &lt = piece.leftTop, &rt = piece.rightTop, &lb = piece.leftBottom, &rb = piece.rightBottom;
    QPoint const &nlt = target.leftTop, &nrt = target.rightTop, &nlb = target.leftBottom, &nrb = target.rightBottom;
    SkinRect const& cl = piece.clientRect;
    SkinRect const& ncl = target.clientRect;
    int const sw = piece.skinRect.Width();
    int const sh = piece.skinRect.Height();
    int const w = target.width;
    int const h = target.height;
    SkinPieces const skin { piece.skinRect };

    strips.top = ComposeSkinStrip(source,
        { { w, cl.top }, skin(lt.x(), 0, rt.x(), cl.top), piece.topStretch, RectFromEdges(nlt.x(), 0, nrt.x(), cl.top),
            skin(0, 0, lt.x(), cl.top), { 0, 0 }, skin(rt.x(), 0, sw, cl.top), { nrt.x(), 0 } });
    int const bottomHeight = h - ncl.bottom;
    strips.bottom = ComposeSkinStrip(source,
        { { w, bottomHeight }, skin(lb.x(), cl.bottom, rb.x(), sh), piece.bottomStretch,
            RectFromEdges(nlb.x(), 0, nrb.x(), bottomHeight), skin(0, cl.bottom, lb.x(), sh), { 0, 0 },
            skin(rb.x(), cl.bottom, sw, sh), { nrb.x(), 0 } });

    // The side strips fill what the top and bottom strips leave; a strip that
    // was not composed leaves its room to them.
    int const sideHeight = h - strips.top.height() - strips.bottom.height();
    int const leftWidth = ncl.left;
    strips.left = ComposeSkinStrip(source,
        { { leftWidth, sideHeight }, skin(0, lt.y(), cl.left, lb.y()), piece.leftStretch,
            RectFromEdges(0, lt.y() - cl.top, leftWidth, sideHeight + lb.y() - cl.bottom), skin(0, cl.top, cl.left, lt.y()),
            { 0, 0 }, skin(0, lb.y(), cl.left, cl.bottom), { 0, sideHeight - (cl.bottom - lb.y()) } });
    int const rightWidth = w - ncl.right;
    strips.right = ComposeSkinStrip(source,
        { { rightWidth, sideHeight }, skin(cl.right, rt.y(), sw, rb.y()), piece.rightStretch,
            RectFromEdges(0, rt.y() - cl.top, rightWidth, sideHeight + rb.y() - cl.bottom), skin(cl.right, cl.top, sw, rt.y()),
            { 0, 0 }, skin(cl.right, rb.y(), sw, cl.bottom), { 0, sideHeight - (cl.bottom - rb.y()) } });
    return strips;
}

void DrawSkinBorders(QPainter& painter, const QRect& frame, const SkinBorderStrips& strips)
{
    const int sideTop = frame.top() + LogicalSize(strips.top).height();
    painter.drawImage(frame.topLeft(), strips.top);
    painter.drawImage(frame.left(), sideTop, strips.left);
    painter.drawImage(frame.left() + frame.width() - LogicalSize(strips.right).width(), sideTop, strips.right);
    painter.drawImage(frame.left(), frame.top() + frame.height() - LogicalSize(strips.bottom).height(), strips.bottom);
}

void FillSkinBackground(QImage& destination, const QImage& picture, const SkinRect& piece, const SkinRect& origin,
    const SkinRect& target, int width, int height, bool stretch, StretchType stretchType)
{
    SetSkinBitmapSize(destination, width, height);
    if (target.IsEmpty() || picture.isNull() || destination.isNull() || !IsDrawable(piece) || !IsDrawable(origin)
        || !IsDrawable(target))
        return;
    QImage const source = ToSkinBitmap(picture);
    QRect const sourcePiece = piece.Translated(origin.left, origin.top).ToQRect();
    if (stretch)
        FillWithPiece(destination, target.ToQRect(), source, sourcePiece, true, stretchType);
    else
        TilePiece(destination, QRect(0, 0, target.Width(), target.Height()), source, sourcePiece);
}
