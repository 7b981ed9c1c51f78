#include "skin/frame/magnetic_edges.h"

#include <cstdlib>

namespace {

// One edge: position is the window's coordinate, windowEdgeOffset the
// distance of the edge from it, remembered the cursor where it stuck.
void SnapEdge(int& position, int edge, int windowEdgeOffset, bool& stuck, int& remembered, int cursor, int size)
{
    const int windowEdge = position + windowEdgeOffset;
    const bool near = edge - size < windowEdge && windowEdge < edge + size;
    if (near && !stuck) {
        position = edge - windowEdgeOffset;
        remembered = cursor;
    } else if (stuck) {
        if (std::abs(cursor - remembered) > size)
            position = edge - windowEdgeOffset + cursor - remembered;
        else
            position = edge - windowEdgeOffset;
    }
    stuck = near;
}

} // namespace

void TbsMagneticEdges::Begin(const QPoint& cursor)
{
    m_cursorX = cursor.x();
    m_cursorY = cursor.y();
}

void TbsMagneticEdges::Clear()
{
    m_left = m_top = m_right = m_bottom = false;
}

QRect TbsMagneticEdges::Snap(const QRect& proposed, const QRect& area, const QPoint& cursor, int magneticSize)
{
    const int w = proposed.width();
    const int h = proposed.height();
    const int areaRight = area.left() + area.width();
    const int areaBottom = area.top() + area.height();
    int left = proposed.left();
    int top = proposed.top();
    SnapEdge(left, area.left(), 0, m_left, m_cursorX, cursor.x(), magneticSize);
    SnapEdge(top, area.top(), 0, m_top, m_cursorY, cursor.y(), magneticSize);
    SnapEdge(left, areaRight, w, m_right, m_cursorX, cursor.x(), magneticSize);
    SnapEdge(top, areaBottom, h, m_bottom, m_cursorY, cursor.y(), magneticSize);
    return QRect(left, top, w, h);
}
