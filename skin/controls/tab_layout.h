#pragma once

#include <QImage>
#include <QMargins>
#include <QRect>
#include <QSize>
#include <functional>
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

// The room the tabs leave on the side they sit on for the pages: the
// page frame drawn around the pages is frame wide on each edge, and the tabs
// take thickness on their side.
QRect PageAreaRect(TbsTabPosition position, const QSize& control, const QMargins& frame, int thickness);

// The band along the tab side, between the control's edge and pageFrame (the
// pages with their frame around them), within the control.
QRect TabsBandRect(TbsTabPosition position, const QSize& control, const QRect& pageFrame);

// The selected tab reaches growth pixels further toward the page, so that it
// covers the frame's edge; a growth that would take it past the control or
// shrink it away is held back.
QRect GrownTab(TbsTabPosition position, const QRect& tab, int growth, const QSize& control);

// Where a close button of size button sits on tab: gap pixels from the tab's
// far end (as its upright image reads), centred across it. The button itself
// is not turned with a tab on the left or right.
QRect CloseButtonOnTab(TbsTabPosition position, const QRect& tab, const QSize& button, int gap);

// The room along the side that tabs can take beside a tab scroller of
// 2 x scrollerHeight.
int TabRoomBesideScroller(TbsTabPosition position, const QSize& control, int scrollerHeight);

// How many tabs to scroll out, starting from scrolled, so that tab index is
// wholly in sight in room pixels: no more than maxScrolled.
int ScrolledToShow(const std::vector<int>& lengths, int scrolled, int index, int room, int maxScrolled);

// The tab after current (or before it), round the ends, among count tabs; the
// first when none is current.
int NextTabRound(int current, int count, bool goForward);

// The page nearest to index among count pages that shown accepts, the one
// after before the one before at each distance; -1 for none.
int NearestShownPage(int index, int count, const std::function<bool(int)>& shown);

// How long a tab is for a caption textWidth wide: room on either side of the
// caption, the room tabs keep for an image, and the close button's width
// (0 without one).
int CaptionTabLength(int textWidth, int closeButtonWidth);
