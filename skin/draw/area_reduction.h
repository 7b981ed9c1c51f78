#pragma once

#include <QImage>
#include <QRect>
#include <QRectF>
#include <QRegion>
#include <functional>

class QPainter;

// Faces for a screen of fractional ratio (1.25, 1.5, 1.75) are drawn at the
// whole ratio above it and reduced once, when they are copied to the screen,
// by area: every device pixel is the average of the face over the square the
// pixel covers. Every stroke of the art thus keeps its weight wherever it
// falls (a one-pixel line at 1.5 is always one and a half device pixels of
// ink), where taking the nearest face pixel would make like lines alternately
// one and two device pixels wide and bilinear filtering would make them
// unevenly strong. Text drawn on the face at the higher ratio is reduced the
// same way, never enlarged.

// Whether faces for a device of this ratio are reduced from a higher one.
bool IsFractionalRatio(qreal deviceRatio);

// The device pixels a rectangle in device coordinates touches, the pixels it
// covers only in part included.
QRect TouchedPixels(const QRectF& deviceRect);

// face laid over place (in device coordinates) reduced by area to the device
// pixels of pixels. A pixel that place covers in part is the average of that
// part alone, so a face's edge is not blended with what lies beyond it; a
// pixel outside place takes the nearest face pixel. The result is
// premultiplied for a face with alpha, RGB32 otherwise, of ratio 1.
QImage ReduceByArea(const QImage& face, const QRectF& place, const QRect& pixels);

// Draws face with its top-left at the logical point at, where it meets
// exposed (logical), as QPainter::drawImage would. On a device of fractional
// ratio a face of a higher ratio is reduced by area to the device pixels it
// touches and those are copied one to one.
void DrawFaceOnDevice(QPainter& painter, const QPoint& at, const QImage& face, const QRegion& exposed);

// Gives every pixel of picture for which inside (in the picture's own pixels)
// is false the colour of the nearest inside pixel of its row, or, in a row
// without any, of the nearest row that has one; a picture without inside
// pixels is left alone. A reduction then blends a shape's edge pixels only with colours of
// the shape, never with the art a mask cuts away.
void SpreadInsideColours(QImage& picture, const std::function<bool(int x, int y)>& inside);

// SpreadInsideColours for a face of a whole ratio laid from the logical
// origin, inside being shape (logical).
void SpreadInsideShape(QImage& face, const QRegion& shape);
