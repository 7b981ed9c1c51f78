#include "skin/frame/frame_hit_test.h"

#include "skin/draw/composition_mode.h"

#include <algorithm>

namespace {

bool InAnyCaption(const QPoint& p, const std::vector<SkinRect>& captionRects)
{
    return std::any_of(captionRects.begin(), captionRects.end(),
        [&](const SkinRect& rect) { return PointInRectExclusive(p, rect); });
}

bool NearSkinEdge(const QPoint& p, const TbsFrameGeometry& g, int borderWidth,
    const std::function<bool(const QPoint&)>& inShape)
{
    const QPoint probes[] = { p + QPoint(-borderWidth, 0), p + QPoint(0, -borderWidth), p + QPoint(borderWidth, 0),
        p + QPoint(0, borderWidth) };
    if (!inShape) {
        const SkinRect window { 0, 0, g.width, g.height };
        return std::any_of(std::begin(probes), std::end(probes),
            [&](const QPoint& probe) { return !PointInRectExclusive(probe, window); });
    }
    if (PointInRectExclusive(p, g.nMask))
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
    if (PointInRectExclusive(p, { g.hLT.x(), 0, g.hRT.x(), g.nClient.top }))
        return HTTOP;
    if (PointInRectExclusive(p, { g.hLB.x(), g.nClient.bottom, g.hRB.x(), g.height }))
        return HTBOTTOM;
    if (PointInRectExclusive(p, { 0, g.hLT.y(), g.nClient.left, g.hLB.y() }))
        return HTLEFT;
    if (PointInRectExclusive(p, { g.nClient.right, g.hRT.y(), g.width, g.hRB.y() }))
        return HTRIGHT;
    return HTNOWHERE;
}

} // namespace

bool IsSizingHitCode(int code)
{
    return code >= HTLEFT && code <= HTBOTTOMRIGHT;
}

int SkinHitTest(const QPoint& p, const TbsFrameGeometry& g, int borderWidth, const TbsHitTestState& state,
    const std::vector<SkinRect>& captionRects, const std::function<bool(const QPoint&)>& inShape)
{
    if (!state.rolledUp && !state.minimized) {
        const bool inClient = PointInRectExclusive(p, g.nClient);
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

int DefaultHitTest(const QPoint& p, int width, int height, int captionHeight, const SkinRect& captionRect,
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
    if (PointInRectExclusive(p, captionRect))
        return HTCAPTION;
    if (PointInRectExclusive(p, { 3, captionHeight + 3, width - 3, height - 3 }))
        return HTCLIENT;
    return HTOBJECT;
}
