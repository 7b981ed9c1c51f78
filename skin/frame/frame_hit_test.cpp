#include "skin/frame/frame_hit_test.h"

#include "skin/frame/frame_rect.h"

#include <algorithm>

namespace {

bool InAnyCaption(const QPoint& p, const std::vector<QRect>& captionRects)
{
    return std::any_of(
        captionRects.begin(), captionRects.end(), [&](const QRect& rect) { return RectHolds(rect, p); });
}

// p moved by dx, dy, stopped at the int limits: a skin's border width may be
// anything.
QPoint Probe(const QPoint& p, qint64 dx, qint64 dy)
{
    return { Saturated(p.x() + dx), Saturated(p.y() + dy) };
}

bool NearSkinEdge(const QPoint& p, const TbsFrameGeometry& g, int borderWidth,
    const std::function<bool(const QPoint&)>& inShape)
{
    const qint64 border = borderWidth;
    const QPoint probes[] = { Probe(p, -border, 0), Probe(p, 0, -border), Probe(p, border, 0), Probe(p, 0, border) };
    if (!inShape) {
        const QRect window = RectOfEdges(0, 0, g.width, g.height);
        return std::any_of(
            std::begin(probes), std::end(probes), [&](const QPoint& probe) { return !RectHolds(window, probe); });
    }
    if (RectHolds(g.nMask, p))
        return false;
    return std::any_of(std::begin(probes), std::end(probes), [&](const QPoint& probe) { return !inShape(probe); });
}

int EdgeCode(const QPoint& p, const TbsFrameGeometry& g)
{
    const int x = p.x();
    const int y = p.y();
    if (x <= g.hLT.x() && y <= g.hLT.y())
        return HTTOPLEFT;
    if (x >= g.hRT.x() && y <= g.hRT.y())
        return HTTOPRIGHT;
    if (x <= g.hLB.x() && y >= g.hLB.y())
        return HTBOTTOMLEFT;
    if (x >= g.hRB.x() && y >= g.hRB.y())
        return HTBOTTOMRIGHT;
    if (RectHolds(RectOfEdges(g.hLT.x(), 0, g.hRT.x(), g.nClient.top()), p))
        return HTTOP;
    if (RectHolds(RectOfEdges(g.hLB.x(), EndY(g.nClient), g.hRB.x(), g.height), p))
        return HTBOTTOM;
    if (RectHolds(RectOfEdges(0, g.hLT.y(), g.nClient.left(), g.hLB.y()), p))
        return HTLEFT;
    if (RectHolds(RectOfEdges(EndX(g.nClient), g.hRT.y(), g.width, g.hRB.y()), p))
        return HTRIGHT;
    return HTNOWHERE;
}

} // namespace

bool IsSizingHitCode(int code)
{
    return code >= HTLEFT && code <= HTBOTTOMRIGHT;
}

int SkinHitTest(const QPoint& p, const TbsFrameGeometry& g, int borderWidth, const TbsHitTestState& state,
    const std::vector<QRect>& captionRects, const std::function<bool(const QPoint&)>& inShape)
{
    if (!state.rolledUp && !state.minimized) {
        const bool inClient = RectHolds(g.nClient, p);
        if (state.hasHotObject && !InAnyCaption(p, captionRects) && !inClient && !state.inSizeMove)
            return HTOBJECT;
        if (!state.maximized && state.canResize) {
            if (!NearSkinEdge(p, g, borderWidth, inShape)) {
                if (inClient)
                    return HTCLIENT;
                return InAnyCaption(p, captionRects) ? HTCAPTION : HTOBJECT;
            }
            if (const int code = EdgeCode(p, g); code != HTNOWHERE)
                return code;
        }
        if (inClient)
            return HTCLIENT;
    }
    return InAnyCaption(p, captionRects) ? HTCAPTION : HTOBJECT;
}

int DefaultHitTest(const QPoint& p, int width, int height, int captionHeight, const QRect& captionRect,
    const TbsHitTestState& state)
{
    const int x = p.x();
    const int y = p.y();
    if (!state.maximized && !state.rolledUp && !state.minimized && state.canResize) {
        if (state.hasHotObject)
            return HTOBJECT;
        const bool left = x <= 2;
        const bool top = y <= 2;
        const bool right = x >= width - 2;
        const bool bottom = y >= height - 2;
        if (left && top)
            return HTTOPLEFT;
        if (right && top)
            return HTTOPRIGHT;
        if (left && bottom)
            return HTBOTTOMLEFT;
        if (right && bottom)
            return HTBOTTOMRIGHT;
        if (left)
            return HTLEFT;
        if (top)
            return HTTOP;
        if (right)
            return HTRIGHT;
        if (bottom)
            return HTBOTTOM;
    }
    if (RectHolds(captionRect, p))
        return HTCAPTION;
    if (RectHolds(RectOfEdges(3, qint64(captionHeight) + 3, qint64(width) - 3, qint64(height) - 3), p))
        return HTCLIENT;
    return HTOBJECT;
}
