#include "skin/menus/popup_geometry.h"

#include "skin/data/skin_rect.h"

#include <algorithm>

namespace {

// Room that the window and item pictures add around the items.
int FrameWidth(const PopupMetrics& metrics)
{
    return metrics.pictureWidth - metrics.itemsRect.width();
}

int FrameHeight(const PopupMetrics& metrics)
{
    return metrics.skinnedWindow ? metrics.pictureHeight - metrics.itemsRect.height() : 4;
}

// The line below a rectangle.
int BottomEdge(const QRect& rect)
{
    return rect.y() + rect.height();
}

bool InUpperHalf(int y, const SkinRect& area)
{
    return y < area.top + area.Height() / 2;
}

} // namespace

int PopupItemHeight(const PopupMetrics& metrics, bool separator)
{
    return separator ? metrics.separatorHeight : metrics.itemHeight;
}

int PopupWidth(const PopupMetrics& metrics, int widestText)
{
    int width = widestText + 2 + metrics.glyphWidth + 19;
    if (!metrics.skinnedWindow)
        return width + 10;
    if (metrics.skinnedItems)
        width += metrics.itemSkinWidth - metrics.textRect.width();
    return width + FrameWidth(metrics);
}

PopupSize CalcPopupSize(const PopupMetrics& metrics, int widestText, const std::vector<int>& itemHeights,
    int maxItemsInWindow, int workAreaHeight)
{
    PopupSize size;
    size.width = PopupWidth(metrics, widestText);
    int sum = 0;
    for (const int height : itemHeights)
        sum += height;
    size.height = sum + FrameHeight(metrics);
    if (maxItemsInWindow > 0 && static_cast<int>(itemHeights.size()) > maxItemsInWindow) {
        size.height = maxItemsInWindow * metrics.itemHeight + FrameHeight(metrics) + 2 * kScrollMarkerHeight;
        size.scroll = true;
        size.limitScroll = true;
    }
    if (size.height > workAreaHeight) {
        size.height = workAreaHeight;
        size.scroll = true;
        size.limitScroll = false;
    }
    return size;
}

SkinPieceGeometry PopupPictureCuts(const PopupMetrics& metrics)
{
    return { QRect(0, 0, metrics.pictureWidth, metrics.pictureHeight), metrics.leftTop, metrics.rightTop,
        metrics.leftBottom, metrics.rightBottom, metrics.itemsRect };
}

PopupFrame CalcPopupFrame(const PopupMetrics& metrics, int width, int height)
{
    if (!metrics.skinnedWindow)
        return { {}, {}, {}, {}, QRect(2, 2, width - 4, height - 4) };
    SkinTargetGeometry const target
        = CalcTargetGeometry(CompositionMode::Full, PopupPictureCuts(metrics), width, height);
    return { target.leftTop, target.rightTop, target.leftBottom, target.rightBottom, target.clientRect };
}

PopupItemLayout LayOutPopupItems(const QRect& itemsRect, const std::vector<int>& itemHeights, int firstVisible,
    bool scroll)
{
    const int count = static_cast<int>(itemHeights.size());
    PopupItemLayout layout;
    layout.rects.assign(itemHeights.size(), QRect());
    layout.visible.assign(itemHeights.size(), false);
    layout.firstVisible = std::clamp(firstVisible, 0, std::max(0, count - 1));
    const int bottom = BottomEdge(itemsRect) - (scroll ? kScrollMarkerHeight : 0);
    int y = itemsRect.top() + (scroll ? kScrollMarkerHeight : 0);
    for (int i = layout.firstVisible; i < count; ++i) {
        const int height = itemHeights[static_cast<std::size_t>(i)];
        layout.rects[static_cast<std::size_t>(i)] = QRect(itemsRect.left(), y, itemsRect.width(), height);
        if (y + height > bottom)
            break;
        layout.visible[static_cast<std::size_t>(i)] = true;
        ++layout.visibleCount;
        y += height;
    }
    return layout;
}

QRect TopScrollMarker(const PopupMetrics& metrics, const PopupFrame& frame, int width)
{
    if (!metrics.skinnedWindow)
        return QRect(3, 3, width - 6, kScrollMarkerHeight);
    const QRect& items = frame.itemsRect;
    return QRect(items.left(), items.top(), items.width(), kScrollMarkerHeight);
}

QRect BottomScrollMarker(const PopupMetrics& metrics, const PopupFrame& frame, int width, int height)
{
    if (!metrics.skinnedWindow)
        return QRect(3, height - kScrollMarkerHeight, width - 6, kScrollMarkerHeight - 3);
    const QRect& items = frame.itemsRect;
    return QRect(items.left(), BottomEdge(items) - kScrollMarkerHeight, items.width(), kScrollMarkerHeight);
}

PopupPlacement PlacePopup(const QRect& anchor, const QRect& workArea, QSize size, int itemsTop,
    PopupOpening opening, const PopupSize& scrolling)
{
    // The rules below read the edges that bound the anchor and the work
    // area: a window fits when its far edge reaches no further than theirs.
    const SkinRect a = SkinRect::FromQRect(anchor);
    const SkinRect r = SkinRect::FromQRect(workArea);
    const int w = size.width();
    const int h = size.height();
    const bool screenScroll = scrolling.scroll && !scrolling.limitScroll;
    PopupPlacement placement;
    int y = 0;
    if (screenScroll) {
        y = r.top;
    } else if (opening == PopupOpening::Submenu) {
        if (a.top - itemsTop + h <= r.bottom)
            y = a.top - itemsTop;
        else if (InUpperHalf(a.top, r))
            y = r.bottom - h;
        else
            y = std::max(a.bottom + itemsTop - h, r.top);
    } else if (opening == PopupOpening::Up) {
        if (a.top - h >= r.top) {
            y = a.top - h;
        } else if (InUpperHalf(a.top, r)) {
            const bool fitsBelow = a.bottom + h <= r.bottom;
            y = fitsBelow ? a.bottom : r.bottom - h;
            placement.overlaps = !fitsBelow;
        } else {
            y = r.top;
            placement.overlaps = true;
        }
    } else if (a.bottom + h <= r.bottom) {
        y = a.bottom;
    } else if (InUpperHalf(a.top, r)) {
        y = r.bottom - h;
    } else if (a.top - h >= r.top) {
        y = a.top - h;
    } else {
        y = r.top;
        placement.overlaps = true;
    }

    int x = 0;
    const bool besideAnchor = opening == PopupOpening::Submenu || placement.overlaps || screenScroll;
    if (!besideAnchor) {
        x = a.left;
        if (x + w > r.right)
            x = r.right - w;
        if (x < r.left)
            x = r.left;
    } else {
        x = a.right + 1;
        if (x + w > r.right)
            x = a.left - w - 1;
    }
    placement.topLeft = { x, y };
    return placement;
}
