#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <vector>

// Where a page control's tabs lie, as values computed from the control's
// size, the side its tabs sit on, their lengths and how far they are
// scrolled.

enum TbsTabPosition { tpTop, tpBottom, tpLeft, tpRight };

constexpr bool IsHorizontalSide(TbsTabPosition position)
{
    return position == tpTop || position == tpBottom;
}

// The rectangles of tabs of the given lengths laid along one side of a
// control of size control, each thickness deep: left to right on the top and
// bottom, top to bottom on the left and right. The first tab keeps one pixel
// free at the start. The first `scrolled` tabs are scrolled out of sight and
// get empty rectangles; the next one starts where the first would.
std::vector<QRect> LayoutTabs(TbsTabPosition position, const QSize& control, int thickness,
    const std::vector<int>& lengths, int scrolled);

// How many tabs must be scrolled out for the rest to fit in available pixels
// along the side: 0 when all fit.
int TabsToScrollOut(const std::vector<int>& lengths, int available);

// A rectangle given in the upright tab image (its length across, its outer
// edge at the top) placed on the control for a tab at tab on this side. The
// content of a bottom tab is drawn upright over its flipped face, so there
// the rectangle only moves.
QRect FromUprightTab(TbsTabPosition position, const QRect& upright, const QRect& tab);

// The size of the upright image of a tab at tab on this side.
QSize UprightTabSize(TbsTabPosition position, const QRect& tab);

// The upright image turned to lie on its side: as it is on the top, turned
// counter-clockwise on the left and clockwise on the right. Bottom tabs are
// flipped before their content is drawn (FlipVertically) so their captions
// stay readable.
QImage TurnUprightTab(TbsTabPosition position, const QImage& upright);
