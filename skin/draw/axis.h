#pragma once

#include "skin/draw/engine_bitmap.h"

#include <QPoint>
#include <QRect>
#include <QSize>

// Geometry that is the same on both axes is written once, in coordinates
// "along" the axis (x when horizontal, y when vertical) and "across" it, and
// turned into points and rectangles here.
enum class Axis { Horizontal, Vertical };

constexpr int Along(Axis axis, const QPoint& point)
{
    return axis == Axis::Horizontal ? point.x() : point.y();
}
constexpr int Across(Axis axis, const QPoint& point)
{
    return axis == Axis::Horizontal ? point.y() : point.x();
}
constexpr int Along(Axis axis, const QSize& size)
{
    return axis == Axis::Horizontal ? size.width() : size.height();
}
constexpr int Across(Axis axis, const QSize& size)
{
    return axis == Axis::Horizontal ? size.height() : size.width();
}

constexpr QPoint PointOnAxis(Axis axis, int along, int across)
{
    return axis == Axis::Horizontal ? QPoint(along, across) : QPoint(across, along);
}
constexpr QSize SizeOnAxis(Axis axis, int along, int across)
{
    return axis == Axis::Horizontal ? QSize(along, across) : QSize(across, along);
}

// The rectangle from start to end along the axis and from crossStart to
// crossEnd across it, ends exclusive.
inline QRect RectOnAxis(Axis axis, int start, int end, int crossStart, int crossEnd)
{
    QPoint const topLeft = PointOnAxis(axis, start, crossStart);
    QPoint const bottomRight = PointOnAxis(axis, end, crossEnd);
    return RectFromEdges(topLeft.x(), topLeft.y(), bottomRight.x(), bottomRight.y());
}
