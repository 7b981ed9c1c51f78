#include "skin/draw/compose_skin_image.h"

#include "skin/draw/axis.h"
#include "skin/draw/border_strip.h"
#include "skin/draw/engine_bitmap.h"
#include "skin/draw/nine_piece_cuts.h"

#include <QPainter>
#include <algorithm>

namespace {

// A piece of the skin rectangle in the picture, from coordinates relative to
// the rectangle's top-left.
struct InSkin {
    const QRect& skin;
    QRect operator()(const QRect& piece) const { return piece.translated(skin.topLeft()); }
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
    if (piece.rightBottom.x() == piece.leftTop.x() || piece.rightBottom.y() == piece.leftTop.y() || picture.isNull()
        || destination.isNull() || !IsDrawable(piece) || !IsDrawable(target))
        return;
    QImage const source = ToSkinBitmap(picture);
    NinePieceCuts const cuts = CutNinePieces(piece, target);
    InSkin const skin { piece.skinRect };
    for (const SkinEdgeCuts* edge : cuts.Edges())
        DrawBand(destination, edge->band.target, source, skin(edge->band.source), edge->stretch);
    for (const SkinEdgeCuts* edge : cuts.Edges()) {
        DrawPiece(destination, edge->head.target, source, skin(edge->head.source));
        DrawPiece(destination, edge->tail.target, source, skin(edge->tail.source));
    }
    if (drawClient)
        FillWithPiece(destination, cuts.client.target, source, skin(cuts.client.source), piece.stretchEffect,
            piece.stretchType);
}

void ComposeSkinImageStretched(QImage& destination, const QImage& picture, const QRect& skinRect,
    const QRect& clientRect, int width, int height, bool drawClient)
{
    // The corners of the client rectangle, its right and bottom edges
    // exclusive, are the points; the target's follow from the full mode.
    SkinRect const client = SkinRect::FromQRect(clientRect);
    SkinPieceGeometry piece;
    piece.skinRect = skinRect;
    piece.clientRect = clientRect;
    piece.leftTop = { client.left, client.top };
    piece.rightTop = { client.right, client.top };
    piece.leftBottom = { client.left, client.bottom };
    piece.rightBottom = { client.right, client.bottom };
    piece.leftStretch = piece.topStretch = piece.rightStretch = piece.bottomStretch = true;
    piece.stretchEffect = true;
    piece.stretchType = StretchType::stFull;
    ComposeSkinImage(destination, picture, piece, CalcTargetGeometry(CompositionMode::Full, piece, width, height),
        drawClient);
}

namespace {

bool IsThreePieceDrawable(const QRect& skinRect, int head, int tail, int length)
{
    return IsDrawable(skinRect) && IsSkinCoordinate(head) && IsSkinCoordinate(tail) && IsSkinCoordinate(length);
}

// Three pieces along axis: the head and the tail of the skin rectangle
// copied to the ends of length, the middle stretched or repeated between
// them; across the axis the image keeps the skin's size.
void ComposeThreePieces(QImage& destination, const QImage& picture, const QRect& skinRect, Axis axis, int head,
    int tail, int length, bool stretch)
{
    QSize const skinSize = skinRect.size();
    int const skinLength = Along(axis, skinSize);
    // Across the axis the image is as thick as the part of the skin
    // rectangle its picture holds: a crafted rectangle reaching far past the
    // picture would otherwise ask for an image of gigabytes.
    qint64 const held = qint64(Across(axis, picture.size())) - Across(axis, skinRect.topLeft());
    int const thickness = int(std::clamp<qint64>(Across(axis, skinSize), 0, std::max<qint64>(held, 0)));
    QSize const size = SizeOnAxis(axis, length, thickness);
    SetSkinBitmapSize(destination, size.width(), size.height());
    if (picture.isNull() || destination.isNull() || skinRect.isEmpty()
        || !IsThreePieceDrawable(skinRect, head, tail, length))
        return;
    QImage const source = ToSkinBitmap(picture);
    auto const span = [&](int start, int end) { return RectOnAxis(axis, start, end, 0, thickness); };
    auto const skinSpan = [&](int start, int end) { return span(start, end).translated(skinRect.topLeft()); };
    if (head != 0)
        DrawPiece(destination, span(0, head), source, skinSpan(0, head));
    if (tail != 0)
        DrawPiece(destination, span(length - tail, length), source, skinSpan(skinLength - tail, skinLength));
    DrawBand(destination, span(head, length - tail), source, skinSpan(head, skinLength - tail), stretch);
}

} // namespace

void ComposeSkinImageHorz(QImage& destination, const QImage& picture, const QRect& skinRect, int leftWidth,
    int rightWidth, int width, bool stretch)
{
    ComposeThreePieces(destination, picture, skinRect, Axis::Horizontal, leftWidth, rightWidth, width, stretch);
}

void ComposeSkinImageVert(QImage& destination, const QImage& picture, const QRect& skinRect, int topHeight,
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

// The plan of the strip of size that holds an edge's cuts, the strip lying at
// start in the target; the band's far end and the tail piece are placed from
// end instead, which differs from start only when a side strip takes more
// room than its client edge.
BorderStripPlan StripPlan(const SkinEdgeCuts& edge, const InSkin& skin, QSize size, QPoint start, QPoint end)
{
    QRect const& band = edge.band.target;
    QRect const bandArea = RectFromEdges(band.left() - start.x(), band.top() - start.y(),
        band.left() + band.width() - end.x(), band.top() + band.height() - end.y());
    return { size, skin(edge.band.source), edge.stretch, bandArea, skin(edge.head.source),
        edge.head.target.topLeft() - start, skin(edge.tail.source), edge.tail.target.topLeft() - end };
}

} // namespace

SkinBorderStrips ComposeSkinBorders(const QImage& picture, const SkinPieceGeometry& piece,
    const SkinTargetGeometry& target)
{
    SkinBorderStrips strips;
    if (picture.isNull() || !IsDrawable(piece) || !IsDrawable(target))
        return strips;
    QImage const source = ToSkinBitmap(picture);
    NinePieceCuts const cuts = CutNinePieces(piece, target);
    InSkin const skin { piece.skinRect };
    SkinRect const ncl = SkinRect::FromQRect(target.clientRect); // the strips meet at its edges
    int const w = target.width;
    int const h = target.height;

    QPoint const top(0, 0);
    strips.top = ComposeSkinStrip(source, StripPlan(cuts.top, skin, { w, ncl.top }, top, top));
    QPoint const bottom(0, ncl.bottom);
    strips.bottom = ComposeSkinStrip(source, StripPlan(cuts.bottom, skin, { w, h - ncl.bottom }, bottom, bottom));
    // The side strips fill what the top and bottom strips leave; a strip that
    // was not composed leaves its room to them. Their upper pieces keep their
    // place from the strip's top, their lower ones from its bottom.
    int const sideHeight = h - strips.top.height() - strips.bottom.height();
    int const sideEnd = ncl.bottom - sideHeight;
    strips.left = ComposeSkinStrip(
        source, StripPlan(cuts.left, skin, { ncl.left, sideHeight }, { 0, ncl.top }, { 0, sideEnd }));
    strips.right = ComposeSkinStrip(source,
        StripPlan(cuts.right, skin, { w - ncl.right, sideHeight }, { ncl.right, ncl.top }, { ncl.right, sideEnd }));
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

void FillSkinBackground(QImage& destination, const QImage& picture, const QRect& piece, const QRect& origin,
    const QRect& target, int width, int height, bool stretch, StretchType stretchType)
{
    SetSkinBitmapSize(destination, width, height);
    if (target.isEmpty() || picture.isNull() || destination.isNull() || !IsDrawable(piece) || !IsDrawable(origin)
        || !IsDrawable(target))
        return;
    QImage const source = ToSkinBitmap(picture);
    QRect const sourcePiece = piece.translated(origin.topLeft());
    if (stretch)
        FillWithPiece(destination, target, source, sourcePiece, true, stretchType);
    else
        TilePiece(destination, QRect(QPoint(0, 0), target.size()), source, sourcePiece);
}
