#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QRect>
#include <initializer_list>

// Drawing helpers shared by every picture of the skin. Straight edges always
// sit on whole pixels, so only rounded corners and slanted strokes are
// antialiased; that keeps the art crisp at 1:1.
namespace art {

QImage NewCell(int width, int height, QColor fill);

// A rectangle whose top corners have one radius and bottom corners another.
QPainterPath RoundedPath(const QRectF& rect, qreal topRadius, qreal bottomRadius);
inline QPainterPath RoundedPath(const QRectF& rect, qreal radius) { return RoundedPath(rect, radius, radius); }

void FillPath(QImage& image, const QPainterPath& path, QColor color);
void FillRect(QImage& image, const QRect& rect, QColor color);

// A rounded box: a one-pixel border in one colour around a fill in another.
void FillFramedBox(QImage& image, const QRect& rect, qreal radius, QColor border, QColor fill);

// An open polyline of the given pen width (chevrons, check marks, crosses).
void Stroke(QImage& image, std::initializer_list<QPointF> points, QColor color, qreal width);

enum class Direction { Up, Down, Left, Right };
// A chevron 7 pixels wide and 3.5 deep, centred on the point.
void Chevron(QImage& image, QPointF centre, Direction direction, QColor color);

// Pixels that the shape does not touch at all take the transparent key
// colour; partly covered pixels keep the colour they were blended with.
QImage KeyOutside(const QImage& art, const QPainterPath& shape);

// A two-colour mask of the shape: black where a pixel's centre lies inside,
// white elsewhere.
QImage MaskOf(QSize size, const QPainterPath& shape);

// The picture mirrored along its diagonal: a vertical piece becomes the
// matching horizontal one, pixel for pixel.
QImage Transposed(const QImage& image);

} // namespace art
