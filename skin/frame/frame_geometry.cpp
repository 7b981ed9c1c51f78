#include "skin/frame/frame_geometry.h"

#include "skin/data/form_info.h"
#include "skin/frame/frame_rect.h"

#include <algorithm>

namespace {

// The skin's points and rectangles move with the window's growth; a crafted
// skin may write them anywhere in the int range.
QPoint Moved(const QPoint& point, int dx, int dy)
{
    return { Saturated(qint64(point.x()) + dx), Saturated(qint64(point.y()) + dy) };
}

QRect Widened(const SkinRect& rect, int dx, int dy)
{
    return RectOfEdges(rect.left, rect.top, qint64(rect.right) + dx, qint64(rect.bottom) + dy);
}

QRect Shifted(const SkinRect& rect, int dx)
{
    return RectOfEdges(qint64(rect.left) + dx, rect.top, qint64(rect.right) + dx, rect.bottom);
}

} // namespace

TbsFrameGeometry CalcResizeGeometry(const TbsFormInfo& info, const QSize& pictureSize, int width, int height)
{
    const int dx = width - pictureSize.width();
    const int dy = height - pictureSize.height();
    TbsFrameGeometry geometry;
    geometry.width = width;
    geometry.height = height;
    geometry.nLT = info.leftTopPoint;
    geometry.nRT = Moved(info.rightTopPoint, dx, 0);
    geometry.nLB = Moved(info.leftBottomPoint, 0, dy);
    geometry.nRB = Moved(info.rightBottomPoint, dx, dy);
    geometry.nClient = Widened(info.clientRect, dx, dy);
    const QRect caption = FrameRect(info.captionRect);
    geometry.nCaption = caption.isEmpty() ? caption : Widened(info.captionRect, dx, 0);
    geometry.nButtons = FrameRect(info.buttonsRect);
    if (!geometry.nButtons.isEmpty() && info.buttonsRect.left > pictureSize.width() / 2)
        geometry.nButtons = Shifted(info.buttonsRect, dx);
    geometry.hLT = info.hitTestLeftTopPoint;
    geometry.hRT = Moved(info.hitTestRightTopPoint, dx, 0);
    geometry.hLB = Moved(info.hitTestLeftBottomPoint, 0, dy);
    geometry.hRB = Moved(info.hitTestRightBottomPoint, dx, dy);
    geometry.nMask = Widened(info.maskRectArea, dx, dy);
    return geometry;
}

QMargins SkinFrameMargins(const TbsFormInfo& info, const QSize& pictureSize)
{
    // A client rectangle reaching outside the picture leaves no frame on that
    // side rather than one of absurd size.
    const SkinRect& client = info.clientRect;
    const int pw = pictureSize.width();
    const int ph = pictureSize.height();
    const auto side = [](qint64 thickness, int limit) { return int(std::clamp<qint64>(thickness, 0, limit)); };
    return QMargins(side(client.left, pw), side(client.top, ph), side(qint64(pw) - client.right, pw),
        side(qint64(ph) - client.bottom, ph));
}

QMargins DefaultFrameMargins(int captionHeight)
{
    return QMargins(3, captionHeight + 3, 3, 3);
}

QRect ClientRectInside(const QSize& size, const QMargins& margins)
{
    return QRect(QPoint(margins.left(), margins.top()), size.shrunkBy(margins).expandedTo(QSize(0, 0)));
}
