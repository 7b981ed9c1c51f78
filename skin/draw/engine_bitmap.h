#pragma once

#include "skin/data/skin_pixel_format.h"

#include <QImage>
#include <QRect>

// The engine's bitmap: a QImage in kSkinBitmapFormat, and the primitives that
// make, size and copy pieces of such bitmaps.

// A fresh bitmap of the given size, every pixel set to fill (0x00RRGGBB).
QImage MakeSkinBitmap(int width, int height, QRgb fill = 0);

// Gives image the logical size width x height in the engine's format. An
// image that already has that size and format keeps its pixels (callers rely
// on this to draw over a prepared background); otherwise it is replaced by a
// black one of the same pixel ratio.
void SetSkinBitmapSize(QImage& image, int width, int height);

// The picture in the engine's format (no copy when it already is).
QImage ToSkinBitmap(const QImage& picture);
// Converts image to the engine's format in place, when it is not already.
void ConvertToSkinBitmap(QImage& image);

// The rectangle from left, top, right and bottom (right and bottom exclusive),
// the way skin geometry gives its edges.
inline QRect RectFromEdges(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}

// A face drawn for a screen of a higher whole pixel ratio carries that ratio
// (QImage::devicePixelRatio) and has ratio x ratio pixels for each logical
// pixel. Every routine here takes rectangles and positions in logical pixels
// and gives such a face the 1x result with each pixel repeated; the pixel
// rows (SkinRow) are the device pixels.

// The bitmap's size and rectangle in logical pixels.
QSize LogicalSize(const QImage& image);
QRect LogicalRect(const QImage& image);
// The part of image under the logical rectangle area, at image's ratio.
QImage LogicalCopy(const QImage& image, const QRect& area);

// The pixels of a row of a skin bitmap (one in the engine's format), without
// the per-pixel checks of QImage::pixel().
inline const QRgb* SkinRow(const QImage& image, int y) { return reinterpret_cast<const QRgb*>(image.constScanLine(y)); }
inline QRgb* SkinRow(QImage& image, int y) { return reinterpret_cast<QRgb*>(image.scanLine(y)); }

// DrawPiece and TilePiece take pictures of any format and convert a
// destination of another format first.

// Copies the piece of source into target of destination; a target of another
// size stretches (nearest pixel, sampled at the centre of each target pixel).
// Pixels of the piece outside source are black; pixels of target outside
// destination are skipped. An empty piece or target draws nothing.
void DrawPiece(QImage& destination, const QRect& target, const QImage& source, const QRect& piece);

// Covers area with copies of the piece laid from area's top-left, the last
// column and row cut at area's right and bottom; the part of area outside
// destination is skipped. An empty piece or area draws nothing.
void TilePiece(QImage& destination, const QRect& area, const QImage& source, const QRect& piece);

// DrawPiece when stretch is set, TilePiece otherwise: how the bands of a
// skin face follow their stretch keys.
void DrawBand(QImage& destination, const QRect& target, const QImage& source, const QRect& piece, bool stretch);

// The piece of source stretched to width x height.
QImage StretchedPiece(const QImage& source, const QRect& piece, int width, int height);
