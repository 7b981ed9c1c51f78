#pragma once

#include "skin/menus/popup_geometry.h"
#include "skin/menus/popup_look.h"
#include "skin/menus/popup_painter.h"
#include "skin/menus/skin_menu_item.h"

#include <QImage>
#include <QRegion>
#include <optional>
#include <vector>

class TbsMenuItem;

// The rows of one popup window, its size and layout, and the picture it
// shows: everything of a popup window but the window. The skin tool draws
// previews with it.
class PopupFace {
public:
    // The visible children of parentItem from startIndex on, sized for a
    // screen workAreaHeight pixels high.
    PopupFace(const PopupLook& look, TbsMenuItem& parentItem, int startIndex, int maxItemsInWindow,
        int workAreaHeight);

    const PopupLook& Look() const { return m_look; }
    const PopupMetrics& Metrics() const { return m_metrics; }
    const PopupSize& Size() const { return m_size; }
    const PopupFrame& Frame() const { return m_frame; }
    const PopupItemLayout& Layout() const { return m_layout; }
    std::vector<TbsSkinMenuItem>& Items() { return m_items; }
    const std::vector<TbsSkinMenuItem>& Items() const { return m_items; }

    // Scrolls so that the rows from firstVisible on show.
    void Relayout(int firstVisible);
    // The window's shape from the skin's mask; none without one.
    std::optional<QRegion> Region() const;
    // The face at the whole pixel ratio given (see whole_pixel_scaling.h).
    QImage Render(PopupScrollCode scrolling, int ratio = 1) const;

private:
    std::vector<int> ItemHeights() const;

    PopupLook m_look;
    std::vector<TbsSkinMenuItem> m_items;
    bool m_menuHasImages { false };
    PopupMetrics m_metrics;
    PopupSize m_size;
    PopupFrame m_frame;
    PopupItemLayout m_layout;
};
