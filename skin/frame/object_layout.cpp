#include "skin/frame/object_layout.h"

#include "skin/data/form_info.h"
#include "skin/frame/frame_rect.h"

#include <algorithm>

namespace {

struct CornerAreas {
    QRect leftTop;
    QRect rightTop;
    QRect leftBottom;
    QRect rightBottom;
};

CornerAreas CornerAreasOf(const TbsFormInfo& info, const QSize& pictureSize)
{
    const int pw = pictureSize.width();
    const int ph = pictureSize.height();
    return { RectOfEdges(0, 0, info.leftTopPoint.x(), info.leftTopPoint.y()),
        RectOfEdges(info.rightTopPoint.x(), 0, pw, info.rightTopPoint.y()),
        RectOfEdges(0, info.leftBottomPoint.y(), info.leftBottomPoint.x(), ph),
        RectOfEdges(info.rightBottomPoint.x(), info.rightBottomPoint.y(), pw, ph) };
}

// The part of rect that lies in the window of geometry, as a window theme
// keeps its caption buttons on the window: a caption rectangle that reaches
// past the frame picture still grows with the window.
QRect InsideWindow(const QRect& rect, const TbsFrameGeometry& geometry)
{
    const auto across = [&geometry](qint64 x) { return std::clamp<qint64>(x, 0, std::max(geometry.width, 0)); };
    const auto down = [&geometry](qint64 y) { return std::clamp<qint64>(y, 0, std::max(geometry.height, 0)); };
    return RectOfEdges(across(rect.left()), down(rect.top()), across(EndX(rect)), down(EndY(rect)));
}

// A button's top moved as little as it takes to keep it within a window
// that is high enough for it.
int TopInWindow(int top, int height, int windowHeight)
{
    return std::clamp(top, 0, std::max(windowHeight - height, 0));
}

// The row the caption buttons sit in and the direction they are laid.
class ButtonRow {
public:
    ButtonRow(const QRect& row, bool leftToRight, int offset, int windowHeight)
        : m_x(leftToRight ? row.left() : EndX(row))
        , m_top(row.top())
        , m_leftToRight(leftToRight)
        , m_offset(offset)
        , m_windowHeight(windowHeight)
    {
    }

    // A face written upside down or right to left takes no room.
    QRect Place(const QSize& face)
    {
        const QSize size = face.expandedTo(QSize(0, 0));
        const qint64 left = m_leftToRight ? m_x : m_x - size.width();
        // A negative offset lays the next button over this one, by a whole
        // button at most, so that no offset carries the row off the window.
        const qint64 step = std::max<qint64>(qint64(size.width()) + m_offset, 0);
        m_x = m_leftToRight ? left + step : left + size.width() - step;
        const int top = TopInWindow(m_top, size.height(), m_windowHeight);
        return RectOfEdges(left, top, left + size.width(), qint64(top) + size.height());
    }

    qint64 X() const { return m_x; }
    void Restart(int x, int top)
    {
        m_x = x;
        m_top = top;
        m_leftToRight = true;
    }

private:
    // Wide enough for any number of int steps a skin can hold.
    qint64 m_x;
    int m_top;
    bool m_leftToRight;
    int m_offset;
    int m_windowHeight;
};

// rect with its left edge, or its exclusive right edge, at x.
QRect WithLeft(const QRect& rect, qint64 x)
{
    return RectOfEdges(x, rect.top(), EndX(rect), EndY(rect));
}
QRect WithEndX(const QRect& rect, qint64 x)
{
    return RectOfEdges(rect.left(), rect.top(), x, EndY(rect));
}

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

std::size_t FirstRowObject(const std::vector<TbsFrameObjectSlot>& objects, TbsStdCommand command)
{
    for (std::size_t i = 0; i < objects.size(); ++i) {
        if (objects[i].visible && objects[i].inButtonRow && objects[i].command == command)
            return i;
    }
    return kNone;
}

std::size_t FirstCaption(const std::vector<TbsFrameObjectSlot>& objects)
{
    for (std::size_t i = 0; i < objects.size(); ++i) {
        if (objects[i].isCaption)
            return i;
    }
    return kNone;
}

void PlaceRow(const std::vector<TbsFrameObjectSlot>& objects, std::vector<QRect>& places, const TbsFormInfo& info,
    const TbsFrameGeometry& geometry)
{
    const bool noButtonsRect = geometry.nButtons.isEmpty();
    if (noButtonsRect && geometry.nCaption.isEmpty())
        return;
    const QRect captionArea = InsideWindow(geometry.nCaption, geometry);
    const QRect row = noButtonsRect ? captionArea : InsideWindow(geometry.nButtons, geometry);
    const int offset = info.buttonsOffset;
    ButtonRow buttons(row, info.buttonsInLeft, offset, geometry.height);
    for (TbsStdCommand command : { cmClose, cmMaximize, cmMinimize, cmRollUp, cmMinimizeToTray }) {
        if (const std::size_t i = FirstRowObject(objects, command); i != kNone)
            places[i] = buttons.Place(objects[i].rowSize);
    }
    for (std::size_t i = 0; i < objects.size(); ++i) {
        if (objects[i].visible && objects[i].inButtonRow && objects[i].command == cmDefault)
            places[i] = buttons.Place(objects[i].rowSize);
    }
    const std::size_t caption = FirstCaption(objects);
    const std::size_t systemMenu = FirstRowObject(objects, cmSysMenu);
    if (!info.buttonsInLeft) {
        if (noButtonsRect && caption != kNone)
            places[caption] = WithEndX(places[caption], buttons.X() + offset);
        if (systemMenu != kNone) {
            buttons.Restart(captionArea.left(), captionArea.top());
            QRect rect = buttons.Place(objects[systemMenu].rowSize);
            const int height = rect.height();
            rect.moveTop(
                TopInWindow(captionArea.top() + captionArea.height() / 2 - height / 2, height, geometry.height));
            places[systemMenu] = rect;
            if (caption != kNone)
                places[caption] = WithLeft(places[caption], buttons.X() - offset);
        }
        return;
    }
    if (noButtonsRect) {
        if (systemMenu != kNone)
            places[systemMenu] = buttons.Place(objects[systemMenu].rowSize);
        if (caption != kNone)
            places[caption] = WithLeft(places[caption], buttons.X() + offset);
    }
}

} // namespace

QRect AnchorToFrame(const QRect& rect, const TbsFormInfo& info, const QSize& pictureSize, int dx, int dy)
{
    const CornerAreas areas = CornerAreasOf(info, pictureSize);
    const qint64 left = rect.left();
    const qint64 top = rect.top();
    const qint64 right = EndX(rect);
    const qint64 bottom = EndY(rect);
    // Where the corners of rect lie; its bottom-right corner is its
    // exclusive one.
    const auto in = [](qint64 x, qint64 y, const QRect& area) {
        return area.left() <= x && x <= area.right() && area.top() <= y && y <= area.bottom();
    };
    const auto spans = [&](const QRect& topLeftArea, const QRect& bottomRightArea) {
        return in(left, top, topLeftArea) && in(right, bottom, bottomRightArea);
    };
    if (spans(areas.leftTop, areas.leftTop))
        return rect;
    if (spans(areas.rightTop, areas.rightTop))
        return MovedEdges(rect, dx, 0, dx, 0);
    if (spans(areas.leftBottom, areas.leftBottom))
        return MovedEdges(rect, 0, dy, 0, dy);
    if (spans(areas.rightBottom, areas.rightBottom))
        return MovedEdges(rect, dx, dy, dx, dy);
    if (spans(areas.leftTop, areas.rightBottom))
        return MovedEdges(rect, 0, 0, dx, dy);
    if (spans(areas.leftTop, areas.rightTop))
        return MovedEdges(rect, 0, 0, dx, 0);
    if (spans(areas.leftBottom, areas.rightBottom))
        return MovedEdges(rect, 0, dy, dx, dy);
    if (spans(areas.leftTop, areas.leftBottom))
        return MovedEdges(rect, 0, 0, 0, dy);
    if (spans(areas.rightTop, areas.rightBottom))
        return MovedEdges(rect, dx, 0, dx, dy);
    return rect;
}

std::vector<QRect> LayoutObjects(const std::vector<TbsFrameObjectSlot>& objects, const TbsFormInfo& info,
    const QSize& pictureSize, const TbsFrameGeometry& geometry)
{
    const int dx = geometry.width - pictureSize.width();
    const int dy = geometry.height - pictureSize.height();
    std::vector<QRect> places;
    places.reserve(objects.size());
    for (const TbsFrameObjectSlot& object : objects)
        places.push_back(object.inPicture ? object.place : AnchorToFrame(object.skinRect, info, pictureSize, dx, dy));
    PlaceRow(objects, places, info, geometry);
    return places;
}
