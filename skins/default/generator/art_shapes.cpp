#include "art_shapes.h"

#include "art_palette.h"

#include <QPainter>

namespace art {

QImage NewCell(int width, int height, QColor fill)
{
    QImage cell(width, height, QImage::Format_RGB32);
    cell.fill(fill);
    return cell;
}

QPainterPath RoundedPath(const QRectF& rect, qreal topRadius, qreal bottomRadius)
{
    const qreal l = rect.left();
    const qreal t = rect.top();
    const qreal r = rect.right();
    const qreal b = rect.bottom();
    const qreal td = 2 * topRadius;
    const qreal bd = 2 * bottomRadius;
    QPainterPath path;
    path.moveTo(l + topRadius, t);
    path.lineTo(r - topRadius, t);
    if (topRadius > 0)
        path.arcTo(r - td, t, td, td, 90, -90);
    path.lineTo(r, b - bottomRadius);
    if (bottomRadius > 0)
        path.arcTo(r - bd, b - bd, bd, bd, 0, -90);
    path.lineTo(l + bottomRadius, b);
    if (bottomRadius > 0)
        path.arcTo(l, b - bd, bd, bd, 270, -90);
    path.lineTo(l, t + topRadius);
    if (topRadius > 0)
        path.arcTo(l, t, td, td, 180, -90);
    path.closeSubpath();
    return path;
}

void FillPath(QImage& image, const QPainterPath& path, QColor color)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(path, color);
}

void FillRect(QImage& image, const QRect& rect, QColor color)
{
    QPainter painter(&image);
    painter.fillRect(rect, color);
}

void FillFramedBox(QImage& image, const QRect& rect, qreal radius, QColor border, QColor fill)
{
    const QRectF outer(rect);
    FillPath(image, RoundedPath(outer, radius), border);
    const qreal inner = radius > 1 ? radius - 1 : 0;
    FillPath(image, RoundedPath(outer.adjusted(1, 1, -1, -1), inner), fill);
}

void Stroke(QImage& image, std::initializer_list<QPointF> points, QColor color, qreal width)
{
    QPainterPath path;
    bool first = true;
    for (const QPointF& point : points) {
        if (first)
            path.moveTo(point);
        else
            path.lineTo(point);
        first = false;
    }
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawPath(path);
}

QImage KeyOutside(const QImage& art, const QPainterPath& shape)
{
    QImage coverage(art.size(), QImage::Format_ARGB32);
    coverage.fill(Qt::transparent);
    {
        QPainter painter(&coverage);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillPath(shape, Qt::black);
    }
    QImage keyed = art.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < keyed.height(); ++y) {
        for (int x = 0; x < keyed.width(); ++x) {
            if (qAlpha(coverage.pixel(x, y)) == 0)
                keyed.setPixelColor(x, y, kTransparentKey);
        }
    }
    return keyed;
}


QImage MaskOf(QSize size, const QPainterPath& shape)
{
    QImage mask(size, QImage::Format_RGB32);
    mask.fill(Qt::white);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            if (shape.contains(QPointF(x + 0.5, y + 0.5)))
                mask.setPixel(x, y, qRgb(0, 0, 0));
        }
    }
    return mask;
}


QImage Transposed(const QImage& image)
{
    const QImage source = image.convertToFormat(QImage::Format_RGB32);
    QImage result(source.height(), source.width(), QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x)
            result.setPixel(y, x, source.pixel(x, y));
    }
    return result;
}

void Chevron(QImage& image, QPointF c, Direction direction, QColor color)
{
    constexpr qreal half = 3.5;
    constexpr qreal depth = 1.75;
    switch (direction) {
    case Direction::Up:
        Stroke(image, { c + QPointF(-half, depth), c + QPointF(0, -depth), c + QPointF(half, depth) }, color, 1.4);
        break;
    case Direction::Down:
        Stroke(image, { c + QPointF(-half, -depth), c + QPointF(0, depth), c + QPointF(half, -depth) }, color, 1.4);
        break;
    case Direction::Left:
        Stroke(image, { c + QPointF(depth, -half), c + QPointF(-depth, 0), c + QPointF(depth, half) }, color, 1.4);
        break;
    case Direction::Right:
        Stroke(image, { c + QPointF(-depth, -half), c + QPointF(depth, 0), c + QPointF(-depth, half) }, color, 1.4);
        break;
    }
}

} // namespace art
