#include "skin/frame/object_layout.h"

#include "skin/data/form_info.h"
#include "skin/draw/composition_mode.h"
#include "skin/frame/frame_object.h"

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

// The row the caption buttons sit in and the direction they are laid.
class ButtonRow {
public:
    ButtonRow(const SkinRect& row, bool leftToRight, int offset)
        : m_x(leftToRight ? row.left : row.right)
        , m_top(row.top)
        , m_leftToRight(leftToRight)
        , m_offset(offset)
    {
    }

    void Place(TbsActiveSkinObject& object)
    {
        const QSize size = object.RowSize();
        if (m_leftToRight) {
            object.ObjectRect = { m_x, m_top, m_x + size.width(), m_top + size.height() };
            m_x += size.width() + m_offset;
        } else {
            object.ObjectRect = { m_x - size.width(), m_top, m_x, m_top + size.height() };
            m_x -= size.width() + m_offset;
        }
    }

    int X() const { return m_x; }
    void Restart(int x, int top)
    {
        m_x = x;
        m_top = top;
        m_leftToRight = true;
    }

private:
    int m_x;
    int m_top;
    bool m_leftToRight;
    int m_offset;
};

TbsActiveSkinObject* FirstRowObject(const std::vector<std::unique_ptr<TbsActiveSkinObject>>& objects,
    TbsStdCommand command)
{
    for (const auto& object : objects) {
        if (object->Visible && object->InButtonRow() && object->RowCommand() == command)
            return object.get();
    }
    return nullptr;
}

TbsActiveSkinObject* FirstCaption(const std::vector<std::unique_ptr<TbsActiveSkinObject>>& objects)
{
    for (const auto& object : objects) {
        if (object->IsCaption())
            return object.get();
    }
    return nullptr;
}

void PlaceRow(const std::vector<std::unique_ptr<TbsActiveSkinObject>>& objects, const TbsFormInfo& info,
    const TbsFrameGeometry& geometry)
{
    const bool noButtonsRect = geometry.nButtons.IsEmpty();
    if (noButtonsRect && geometry.nCaption.IsEmpty())
        return;
    const SkinRect row = noButtonsRect ? geometry.nCaption : geometry.nButtons;
    const int offset = info.buttonsOffset;
    ButtonRow buttons(row, info.buttonsInLeft, offset);
    for (TbsStdCommand command : { cmClose, cmMaximize, cmMinimize, cmRollUp, cmMinimizeToTray }) {
        if (TbsActiveSkinObject* object = FirstRowObject(objects, command))
            buttons.Place(*object);
    }
    for (const auto& object : objects) {
        if (object->Visible && object->InButtonRow() && object->RowCommand() == cmDefault)
            buttons.Place(*object);
    }
    TbsActiveSkinObject* caption = FirstCaption(objects);
    TbsActiveSkinObject* systemMenu = FirstRowObject(objects, cmSysMenu);
    if (!info.buttonsInLeft) {
        if (noButtonsRect && caption)
            caption->ObjectRect.right = buttons.X() + offset;
        if (systemMenu) {
            buttons.Restart(geometry.nCaption.left, geometry.nCaption.top);
            buttons.Place(*systemMenu);
            SkinRect& rect = systemMenu->ObjectRect;
            const int height = rect.Height();
            rect.top = geometry.nCaption.top + geometry.nCaption.Height() / 2 - height / 2;
            rect.bottom = rect.top + height;
            if (caption)
                caption->ObjectRect.left = buttons.X() - offset;
        }
        return;
    }
    if (noButtonsRect) {
        if (systemMenu)
            buttons.Place(*systemMenu);
        if (caption)
            caption->ObjectRect.left = buttons.X() + offset;
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

void LayoutObjects(const std::vector<std::unique_ptr<TbsActiveSkinObject>>& objects, const TbsFormInfo& info,
    const QSize& pictureSize, const TbsFrameGeometry& geometry)
{
    const int dx = geometry.width - pictureSize.width();
    const int dy = geometry.height - pictureSize.height();
    for (const auto& object : objects) {
        if (!object->SkinRectInAPicture)
            object->ObjectRect = AnchorToFrame(object->SkinRect, info, pictureSize, dx, dy);
    }
    PlaceRow(objects, info, geometry);
}
