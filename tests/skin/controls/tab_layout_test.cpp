#include "skin/controls/tab_layout.h"

#include <gtest/gtest.h>

namespace {

// The main window's page control (745 x 355) with the built-in "tab"
// definition: a 40 x 40 frame piece with a one-pixel border on every side
// (clientrect 1,1,39,39) and tabs 24 high (tabrect 44,238,108,262).
const QSize kControl(745, 355);
const QMargins kFrame(1, 1, 1, 1);
constexpr int kTabHeight = 24;

} // namespace

TEST(TabLayout, PageAreaFrameBandAndGrownTabOnEachSide)
{
    struct Side {
        TbsTabPosition position;
        QRect pageArea;
        QRect band;
    };
    // The tabs take 24 rows (or columns) on their side, the frame one pixel
    // on every side; the band is what lies between the control's edge and
    // the frame.
    const Side sides[] = {
        { tpTop, QRect(1, 25, 743, 329), QRect(0, 0, 745, 24) },
        { tpBottom, QRect(1, 1, 743, 329), QRect(0, 331, 745, 24) },
        { tpLeft, QRect(25, 1, 719, 353), QRect(0, 0, 24, 355) },
        { tpRight, QRect(1, 1, 719, 353), QRect(721, 0, 24, 355) },
    };
    for (const Side& side : sides) {
        const QRect area = PageAreaRect(side.position, kControl, kFrame, kTabHeight);
        EXPECT_EQ(area, side.pageArea) << side.position;
        EXPECT_EQ(TabsBandRect(side.position, kControl, area.marginsAdded(kFrame)), side.band) << side.position;
    }

    // The selected tab (activetabrect is 25 high) reaches one row into the
    // frame; a corrupt growth neither takes it past the control nor away.
    EXPECT_EQ(GrownTab(tpTop, QRect(1, 0, 63, 24), 1, kControl), QRect(1, 0, 63, 25));
    EXPECT_EQ(GrownTab(tpBottom, QRect(1, 331, 63, 24), 1, kControl), QRect(1, 330, 63, 25));
    EXPECT_EQ(GrownTab(tpRight, QRect(721, 1, 24, 63), 1, kControl), QRect(720, 1, 25, 63));
    EXPECT_EQ(GrownTab(tpTop, QRect(1, 0, 63, 24), 100000, kControl).height(), 24 + 745);
    EXPECT_EQ(GrownTab(tpTop, QRect(1, 0, 63, 24), -100000, kControl).height(), 1);
}

TEST(TabLayout, CloseButtonSitsAtTheFarEndOfTheTabAsItReads)
{
    // A 63 x 24 tab, a 14 x 14 button 2 pixels from the far end: upright at
    // x 63 - 2 - 14 = 47, y (24 - 14) / 2 = 5.
    EXPECT_EQ(CloseButtonOnTab(tpTop, QRect(1, 0, 63, 24), QSize(14, 14), 2), QRect(48, 5, 14, 14));
    EXPECT_EQ(CloseButtonOnTab(tpBottom, QRect(1, 331, 63, 24), QSize(14, 14), 2), QRect(48, 336, 14, 14));
    // A left tab is the upright one turned counter-clockwise: its far end is
    // at the top, 2 pixels down; a right tab turned clockwise has it at the
    // bottom.
    EXPECT_EQ(CloseButtonOnTab(tpLeft, QRect(0, 1, 24, 63), QSize(14, 14), 2), QRect(5, 3, 14, 14));
    EXPECT_EQ(CloseButtonOnTab(tpRight, QRect(721, 1, 24, 63), QSize(14, 14), 2), QRect(726, 48, 14, 14));
}

TEST(TabLayout, ScrollingLengthsAndNavigation)
{
    EXPECT_EQ(TabRoomBesideScroller(tpTop, QSize(300, 200), 20), 300 - 40 - 3);
    EXPECT_EQ(TabRoomBesideScroller(tpLeft, QSize(300, 200), 20), 200 - 40 - 3);

    // Five 60-pixel tabs in 150 pixels: the last is wholly in sight once
    // three are scrolled out (120 pixels left), unless fewer may be.
    const std::vector<int> lengths(5, 60);
    EXPECT_EQ(ScrolledToShow(lengths, 0, 4, 150, 3), 3);
    EXPECT_EQ(ScrolledToShow(lengths, 0, 4, 150, 2), 2);
    EXPECT_EQ(ScrolledToShow(lengths, 3, 0, 150, 3), 0) << "a tab scrolled out at the start comes back";
    EXPECT_EQ(ScrolledToShow(lengths, 1, 2, 150, 3), 1) << "a tab in sight leaves the scroll alone";
    EXPECT_EQ(ScrolledToShow(lengths, 2, 9, 150, 3), 2);

    EXPECT_EQ(NextTabRound(1, 3, true), 2);
    EXPECT_EQ(NextTabRound(2, 3, true), 0);
    EXPECT_EQ(NextTabRound(0, 3, false), 2);
    EXPECT_EQ(NextTabRound(-1, 3, false), 0);

    const auto shown = [](std::vector<bool> pages) { return [pages](int i) { return pages[static_cast<std::size_t>(i)]; }; };
    EXPECT_EQ(NearestShownPage(1, 3, shown({ true, false, true })), 2) << "the next one first";
    EXPECT_EQ(NearestShownPage(3, 5, shown({ true, false, false, false, false })), 0);
    EXPECT_EQ(NearestShownPage(0, 2, shown({ true, false })), -1);

    // Caption, 6 pixels either side, 1 for an image, 3 after it.
    EXPECT_EQ(CaptionTabLength(50, 0), 66);
    EXPECT_EQ(CaptionTabLength(50, 14), 80);
}
