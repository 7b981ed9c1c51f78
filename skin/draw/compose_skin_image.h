#pragma once

#include "skin/draw/composition_mode.h"

#include <QImage>

class QPainter;

// Putting skin pieces together into an image of any size. Pictures may be in
// any format; results are skin bitmaps. Every routine draws nothing for an
// empty picture or an empty piece, and a repeated piece of zero width or
// height leaves its part of the image blank.

// The nine-piece composition: corners copied, edge bands stretched or repeated
// as their flags say, the client piece (when drawClient is set) stretched by
// the stretch type or repeated. destination takes the target's size.
void ComposeSkinImage(QImage& destination, const QImage& picture, const SkinPieceGeometry& piece,
    const SkinTargetGeometry& target, bool drawClient);

// A face drawn at any size whatever its points: the corners of clientRect act
// as the four points and every band and the client piece are stretched.
void ComposeSkinImageStretched(QImage& destination, const QImage& picture, const QRect& skinRect,
    const QRect& clientRect, int width, int height, bool drawClient);

// Three pieces side by side: skin columns 0 .. leftWidth and the last
// rightWidth columns stay, the middle is stretched or repeated to width. The
// image keeps the skin height.
void ComposeSkinImageHorz(QImage& destination, const QImage& picture, const QRect& skinRect, int leftWidth,
    int rightWidth, int width, bool stretch);

// The same on the vertical axis; the image keeps the skin width.
void ComposeSkinImageVert(QImage& destination, const QImage& picture, const QRect& skinRect, int topHeight,
    int bottomHeight, int height, bool stretch);

// The frame of a face without its client area, as four strips to be drawn at
// (0, 0), (0, top height), (width - right width, top height) and
// (0, height - bottom height). Bands are laid from each strip's own origin.
// A strip without size or without a band is not composed (a null image, of
// height 0); the side strips then take the room it leaves.
struct SkinBorderStrips {
    QImage top;
    QImage left;
    QImage right;
    QImage bottom;
};
SkinBorderStrips ComposeSkinBorders(const QImage& picture, const SkinPieceGeometry& piece,
    const SkinTargetGeometry& target);

// Draws the four strips at the edges of frame on painter's device.
void DrawSkinBorders(QPainter& painter, const QRect& frame, const SkinBorderStrips& strips);

// Fills area of destination with a picture piece: repeated from area's
// top-left when stretch is off; otherwise stFull stretches it over area,
// stHorz repeats it across at area's height and stVert repeats it down at
// area's width. Nothing outside area is touched.
void FillWithPiece(QImage& destination, const QRect& area, const QImage& picture, const QRect& piece, bool stretch,
    StretchType stretchType);

// A background of width x height: piece (relative to origin's top-left)
// repeated from (0, 0) and cut at the size of target, or stretched into
// target by the stretch type.
void FillSkinBackground(QImage& destination, const QImage& picture, const QRect& piece, const QRect& origin,
    const QRect& target, int width, int height, bool stretch, StretchType stretchType);
