#pragma once

#include "skin/data/skin_rect.h"
#include "skin/frame/saturated.h"

#include <QPoint>
#include <QRect>
#include <algorithm>
#include <limits>
#include <utility>

// The frame keeps its rectangles as QRects, whose right and bottom are the
// last column and row inside. A skin writes them as exclusive edges anywhere
// in the int range, and they move with the window by saturating sums, so they
// are made and read here through edges wide enough never to overflow.

// The first and last column (or row) from start up to but not including end,
// each stopped at the int limits. An end at the int minimum leaves none
// inside: the span is empty, its start one past its last.
inline std::pair<int, int> InclusiveSpan(qint64 start, qint64 end)
{
    constexpr int kMin = std::numeric_limits<int>::min();
    const qint64 last = qint64(Saturated(end)) - 1;
    if (last < kMin)
        return { std::max(Saturated(start), kMin + 1), kMin };
    return { Saturated(start), int(last) };
}

// The rectangle from left, top up to but not including right, bottom.
inline QRect RectOfEdges(qint64 left, qint64 top, qint64 right, qint64 bottom)
{
    const auto [x1, x2] = InclusiveSpan(left, right);
    const auto [y1, y2] = InclusiveSpan(top, bottom);
    return QRect(QPoint(x1, y1), QPoint(x2, y2));
}

// A definition's rectangle as the frame keeps it.
inline QRect FrameRect(const SkinRect& rect)
{
    return RectOfEdges(rect.left, rect.top, rect.right, rect.bottom);
}

// The exclusive right and bottom edges of rect.
inline qint64 EndX(const QRect& rect)
{
    return qint64(rect.right()) + 1;
}
inline qint64 EndY(const QRect& rect)
{
    return qint64(rect.bottom()) + 1;
}

// rect with each exclusive edge moved by its own amount.
inline QRect MovedEdges(const QRect& rect, qint64 dLeft, qint64 dTop, qint64 dRight, qint64 dBottom)
{
    return RectOfEdges(rect.left() + dLeft, rect.top() + dTop, EndX(rect) + dRight, EndY(rect) + dBottom);
}

// Whether rect holds point. An empty or upside-down rectangle holds none,
// where QRect::contains would turn it round first.
constexpr bool RectHolds(const QRect& rect, const QPoint& point)
{
    return rect.left() <= point.x() && point.x() <= rect.right() && rect.top() <= point.y()
        && point.y() <= rect.bottom();
}
