#include "skin/frame/object_layout.h"

#include "skin/data/form_info.h"
#include "skin/draw/composition_mode.h"
#include "skin/frame/saturated.h"

#include <algorithm>

namespace {

struct CornerAreas {
    SkinRect leftTop;
    SkinRect rightTop;
    SkinRect leftBottom;
    SkinRect rightBottom;
};

CornerAreas CornerAreasOf(const TbsFormInfo& info, const QSize& pictureSize)
{
    const int pw = pictureSize.width();
    const int ph = pictureSize.height();
    return { { 0, 0, info.leftTopPoint.x(), info.leftTopPoint.y() },
        { info.rightTopPoint.x(), 0, pw, info.rightTopPoint.y() },
        { 0, info.leftBottomPoint.y(), info.leftBottomPoint.x(), ph },
        { info.rightBottomPoint.x(), info.rightBottomPoint.y(), pw, ph } };
}

// The part of rect that lies in the window of geometry, as a window theme
// keeps its caption buttons on the window: a caption rectangle that reaches
// past the frame picture still grows with the window.
SkinRect InsideWindow(const SkinRect& rect, const TbsFrameGeometry& geometry)
{
    const auto across = [&geometry](int x) { return std::clamp(x, 0, std::max(geometry.width, 0)); };
    const auto down = [&geometry](int y) { return std::clamp(y, 0, std::max(geometry.height, 0)); };
    return { across(rect.left), down(rect.top), across(rect.right), down(rect.bottom) };
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
    ButtonRow(const SkinRect& row, bool leftToRight, int offset, int windowHeight)
        : m_x(leftToRight ? row.left : row.right)
        , m_top(row.top)
        , m_leftToRight(leftToRight)
        , m_offset(offset)
        , m_windowHeight(windowHeight)
    {
    }

    // A face written upside down or right to left takes no room.
    SkinRect Place(const QSize& face)
    {
        const QSize size = face.expandedTo(QSize(0, 0));
        const qint64 left = m_leftToRight ? m_x : m_x - size.width();
        m_x = m_leftToRight ? left + size.width() + m_offset : left - m_offset;
        const int top = TopInWindow(m_top, size.height(), m_windowHeight);
        return { Saturated(left), top, Saturated(left + size.width()), Saturated(qint64(top) + size.height()) };
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

void PlaceRow(const std::vector<TbsFrameObjectSlot>& objects, std::vector<SkinRect>& places, const TbsFormInfo& info,
    const TbsFrameGeometry& geometry)
{
    const bool noButtonsRect = geometry.nButtons.IsEmpty();
    if (noButtonsRect && geometry.nCaption.IsEmpty())
        return;
    const SkinRect captionArea = InsideWindow(geometry.nCaption, geometry);
    const SkinRect row = noButtonsRect ? captionArea : InsideWindow(geometry.nButtons, geometry);
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
            places[caption].right = Saturated(buttons.X() + offset);
        if (systemMenu != kNone) {
            buttons.Restart(captionArea.left, captionArea.top);
            SkinRect rect = buttons.Place(objects[systemMenu].rowSize);
            const int height = rect.Height();
            rect.top = TopInWindow(captionArea.top + captionArea.Height() / 2 - height / 2, height, geometry.height);
            rect.bottom = rect.top + height;
            places[systemMenu] = rect;
            if (caption != kNone)
                places[caption].left = Saturated(buttons.X() - offset);
        }
        return;
    }
    if (noButtonsRect) {
        if (systemMenu != kNone)
            places[systemMenu] = buttons.Place(objects[systemMenu].rowSize);
        if (caption != kNone)
            places[caption].left = Saturated(buttons.X() + offset);
    }
}

} // namespace

SkinRect AnchorToFrame(const SkinRect& rect, const TbsFormInfo& info, const QSize& pictureSize, int dx, int dy)
{
    const CornerAreas areas = CornerAreasOf(info, pictureSize);
    const QPoint tl(rect.left, rect.top);
    const QPoint br(rect.right, rect.bottom);
    const auto in = [](const QPoint& p, const SkinRect& area) { return PointInRectExclusive(p, area); };
    if (in(tl, areas.leftTop) && in(br, areas.leftTop))
        return rect;
    if (in(tl, areas.rightTop) && in(br, areas.rightTop))
        return rect.Translated(dx, 0);
    if (in(tl, areas.leftBottom) && in(br, areas.leftBottom))
        return rect.Translated(0, dy);
    if (in(tl, areas.rightBottom) && in(br, areas.rightBottom))
        return rect.Translated(dx, dy);
    if (in(tl, areas.leftTop) && in(br, areas.rightBottom))
        return { rect.left, rect.top, rect.right + dx, rect.bottom + dy };
    if (in(tl, areas.leftTop) && in(br, areas.rightTop))
        return { rect.left, rect.top, rect.right + dx, rect.bottom };
    if (in(tl, areas.leftBottom) && in(br, areas.rightBottom))
        return SkinRect { rect.left, rect.top, rect.right + dx, rect.bottom }.Translated(0, dy);
    if (in(tl, areas.leftTop) && in(br, areas.leftBottom))
        return { rect.left, rect.top, rect.right, rect.bottom + dy };
    if (in(tl, areas.rightTop) && in(br, areas.rightBottom))
        return { rect.left + dx, rect.top, rect.right + dx, rect.bottom + dy };
    return rect;
}

std::vector<SkinRect> LayoutObjects(const std::vector<TbsFrameObjectSlot>& objects, const TbsFormInfo& info,
    const QSize& pictureSize, const TbsFrameGeometry& geometry)
{
    const int dx = geometry.width - pictureSize.width();
    const int dy = geometry.height - pictureSize.height();
    std::vector<SkinRect> places;
    places.reserve(objects.size());
    for (const TbsFrameObjectSlot& object : objects)
        places.push_back(object.inPicture ? object.place : AnchorToFrame(object.skinRect, info, pictureSize, dx, dy));
    PlaceRow(objects, places, info, geometry);
    return places;
}
