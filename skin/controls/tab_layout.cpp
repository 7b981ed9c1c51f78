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

namespace {

// n pixels on one side only.
QMargins OnSide(TbsTabPosition side, int n)
{
    switch (side) {
    case tpTop:
        return { 0, n, 0, 0 };
    case tpBottom:
        return { 0, 0, 0, n };
    case tpLeft:
        return { n, 0, 0, 0 };
    case tpRight:
        return { 0, 0, n, 0 };
    }
    return {};
}

TbsTabPosition Opposite(TbsTabPosition side)
{
    switch (side) {
    case tpTop:
        return tpBottom;
    case tpBottom:
        return tpTop;
    case tpLeft:
        return tpRight;
    case tpRight:
        return tpLeft;
    }
    return side;
}

} // namespace

QRect PageAreaRect(TbsTabPosition position, const QSize& control, const QMargins& frame, int thickness)
{
    return QRect(QPoint(0, 0), control).marginsRemoved(frame + OnSide(position, thickness));
}

QRect TabsBandRect(TbsTabPosition position, const QSize& control, const QRect& pageFrame)
{
    const QRect whole(QPoint(0, 0), control);
    QRect band = whole;
    switch (position) {
    case tpTop:
        band.setBottom(pageFrame.top() - 1);
        break;
    case tpBottom:
        band.setTop(pageFrame.top() + pageFrame.height());
        break;
    case tpLeft:
        band.setRight(pageFrame.left() - 1);
        break;
    case tpRight:
        band.setLeft(pageFrame.left() + pageFrame.width());
        break;
    }
    return band.intersected(whole);
}

QRect GrownTab(TbsTabPosition position, const QRect& tab, int growth, const QSize& control)
{
    const int thickness = IsHorizontalSide(position) ? tab.height() : tab.width();
    const int grown = std::clamp(growth, 1 - thickness, std::max(control.width(), control.height()));
    // It grows on the side that faces the page.
    return tab.marginsAdded(OnSide(Opposite(position), grown));
}

QRect CloseButtonOnTab(TbsTabPosition position, const QRect& tab, const QSize& button, int gap)
{
    const QSize upright = UprightTabSize(position, tab);
    const QRect cell(upright.width() - gap - button.width(), (upright.height() - button.height()) / 2,
        button.width(), button.height());
    const QPoint centre = FromUprightTab(position, cell, tab).center();
    const QRect placed(QPoint(0, 0), button);
    return placed.translated(centre - placed.center());
}

int TabRoomBesideScroller(TbsTabPosition position, const QSize& control, int scrollerHeight)
{
    const int length = IsHorizontalSide(position) ? control.width() : control.height();
    return length - 2 * scrollerHeight - 3;
}

int ScrolledToShow(const std::vector<int>& lengths, int scrolled, int index, int room, int maxScrolled)
{
    if (index < 0 || index >= static_cast<int>(lengths.size()))
        return scrolled;
    int first = std::min(scrolled, index);
    // The length from first to index, inclusive, shrinks as first moves on.
    qint64 length = 0;
    for (int i = first; i <= index; ++i)
        length += lengths[static_cast<std::size_t>(i)];
    while (first < maxScrolled && length > room)
        length -= lengths[static_cast<std::size_t>(first++)];
    return first;
}

int NextTabRound(int current, int count, bool goForward)
{
    if (current < 0 || count <= 0)
        return 0;
    return (current + (goForward ? 1 : count - 1)) % count;
}

int NearestShownPage(int index, int count, const std::function<bool(int)>& shown)
{
    for (int distance = 1; distance < count; ++distance) {
        for (const int candidate : { index + distance, index - distance }) {
            if (candidate >= 0 && candidate < count && shown(candidate))
                return candidate;
        }
    }
    return -1;
}

int CaptionTabLength(int textWidth, int closeButtonWidth)
{
    constexpr int kPadding = 6;
    constexpr int kImageWidth = 1;
    constexpr int kImageGap = 3;
    return textWidth + 2 * kPadding + kImageWidth + closeButtonWidth + kImageGap;
}
