#include "skin/controls/tab_layout.h"

#include "skin/draw/image_turns.h"

#include <algorithm>

std::vector<QRect> LayoutTabs(TbsTabPosition position, const QSize& control, int thickness,
    const std::vector<int>& lengths, int scrolled)
{
    std::vector<QRect> tabs(lengths.size());
    // 64-bit sums: a thousand tabs of a huge fixed width cannot overflow.
    qint64 start = 0;
    for (std::size_t i = 0; i < lengths.size(); ++i) {
        if (static_cast<int>(i) < scrolled)
            continue;
        const int begin = static_cast<int>(std::min<qint64>(start + (i == 0 ? 1 : 0), 1 << 24));
        const int length = std::max(0, lengths[i] - (i == 0 ? 1 : 0));
        start += lengths[i];
        switch (position) {
        case tpTop:
            tabs[i] = QRect(begin, 0, length, thickness);
            break;
        case tpBottom:
            tabs[i] = QRect(begin, control.height() - thickness, length, thickness);
            break;
        case tpLeft:
            tabs[i] = QRect(0, begin, thickness, length);
            break;
        case tpRight:
            tabs[i] = QRect(control.width() - thickness, begin, thickness, length);
            break;
        }
    }
    return tabs;
}

int TabsToScrollOut(const std::vector<int>& lengths, int available)
{
    qint64 remaining = 0;
    for (int length : lengths)
        remaining += length;
    int scrolled = 0;
    while (scrolled < static_cast<int>(lengths.size()) && remaining > available)
        remaining -= lengths[static_cast<std::size_t>(scrolled++)];
    return scrolled;
}

QSize UprightTabSize(TbsTabPosition position, const QRect& tab)
{
    return IsHorizontalSide(position) ? tab.size() : tab.size().transposed();
}

QRect FromUprightTab(TbsTabPosition position, const QRect& upright, const QRect& tab)
{
    const QSize size = UprightTabSize(position, tab);
    switch (position) {
    case tpTop:
    case tpBottom:
        return upright.translated(tab.topLeft());
    case tpLeft:
        // Turned counter-clockwise: (x, y) lands at (y, width - 1 - x).
        return QRect(upright.top(), size.width() - upright.left() - upright.width(), upright.height(),
            upright.width())
            .translated(tab.topLeft());
    case tpRight:
        // Turned clockwise: (x, y) lands at (height - 1 - y, x).
        return QRect(size.height() - upright.top() - upright.height(), upright.left(), upright.height(),
            upright.width())
            .translated(tab.topLeft());
    }
    return upright;
}

QImage TurnUprightTab(TbsTabPosition position, const QImage& upright)
{
    switch (position) {
    case tpLeft:
        return TurnLeft(upright);
    case tpRight:
        return TurnRight(upright);
    case tpTop:
    case tpBottom:
        break;
    }
    return upright;
}
