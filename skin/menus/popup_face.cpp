#include "skin/menus/popup_face.h"

#include "skin/draw/whole_pixel_scaling.h"
#include "skin/draw/mask_region.h"
#include "skin/draw/engine_bitmap.h"
#include "skin/menus/menu_item.h"

#include <algorithm>

namespace {

// The width of the menu's images (all of one size), 0 without images.
int ImageListWidth(const TbsMenuItem& parentItem)
{
    const QList<QImage>& images = parentItem.MenuImages();
    return images.isEmpty() ? 0 : images.first().width();
}

} // namespace

PopupFace::PopupFace(const PopupLook& look, TbsMenuItem& parentItem, int startIndex, int maxItemsInWindow,
    int workAreaHeight)
    : m_look(look)
{
    std::vector<const TbsMenuItem*> shown;
    for (int i = std::max(0, startIndex); i < parentItem.Count(); ++i) {
        TbsMenuItem* item = parentItem.Items(i);
        if (!item->Visible())
            continue;
        TbsSkinMenuItem row;
        row.menuItem = item;
        m_items.push_back(row);
        shown.push_back(item);
    }
    const int imageWidth = ImageListWidth(parentItem);
    m_menuHasImages = imageWidth > 0;
    m_metrics = m_look.Metrics(m_menuHasImages ? imageWidth + 5 : 19);
    m_size = CalcPopupSize(m_metrics, WidestMenuText(m_look, shown), ItemHeights(), maxItemsInWindow, workAreaHeight);
    m_frame = CalcPopupFrame(m_metrics, m_size.width, m_size.height);
    Relayout(0);
}

std::vector<int> PopupFace::ItemHeights() const
{
    std::vector<int> heights;
    heights.reserve(m_items.size());
    for (const TbsSkinMenuItem& item : m_items)
        heights.push_back(PopupItemHeight(m_metrics, item.menuItem->IsSeparator()));
    return heights;
}

void PopupFace::Relayout(int firstVisible)
{
    m_layout = LayOutPopupItems(m_frame.itemsRect, ItemHeights(), firstVisible, m_size.scroll);
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        m_items[i].rect = m_layout.rects[i];
        m_items[i].visible = m_layout.visible[i];
    }
}

std::optional<QRegion> PopupFace::Region() const
{
    if (m_look.maskPicture.isNull())
        return std::nullopt;
    return ComposeMaskRegion(m_look.maskPicture, PopupWindowPiece(m_look, m_metrics),
        PopupWindowTarget(m_frame, m_size.width, m_size.height));
}

QImage PopupFace::Render(PopupScrollCode scrolling, int ratio) const
{
    QImage background = ScaleByWholePixels(MakeSkinBitmap(m_size.width, m_size.height), ratio);
    PaintPopupWindow(background, m_look, m_metrics, m_frame, m_menuHasImages);
    QImage face = background;
    for (const TbsSkinMenuItem& item : m_items) {
        if (!item.visible)
            continue;
        const PopupRowState state { item.active || item.submenuOpen, item.morph, item.frame };
        PaintPopupRow(face, background, m_look, m_metrics, *item.menuItem, item.rect, state);
    }
    if (!m_size.scroll)
        return face;
    // The gap between the line below the last visible row and the bottom marker.
    int lastBottom = m_frame.itemsRect.top() + kScrollMarkerHeight;
    for (const TbsSkinMenuItem& item : m_items) {
        if (item.visible)
            lastBottom = std::max(lastBottom, item.rect.y() + item.rect.height());
    }
    const QRect bottomMarker = BottomScrollMarker(m_metrics, m_frame, m_size.width, m_size.height);
    const QRect& items = m_frame.itemsRect;
    const QRect gap(items.left(), lastBottom, items.width(), bottomMarker.top() - lastBottom);
    PaintPopupRowGround(face, background, m_look, m_metrics, gap);
    PaintScrollMarkers(face, background, m_look, m_metrics, m_frame, scrolling);
    return face;
}
