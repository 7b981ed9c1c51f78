#include "skin/menus/popup_geometry.h"

#include <gtest/gtest.h>

namespace {

// A window picture of 48 x 48 whose items area leaves 4 pixels all round,
// with item faces 100 pixels wide and 24 high and text from x 30 to 92.
PopupMetrics Skinned()
{
    PopupMetrics metrics;
    metrics.skinnedWindow = true;
    metrics.pictureWidth = 48;
    metrics.pictureHeight = 48;
    metrics.leftTop = { 8, 8 };
    metrics.rightTop = { 40, 8 };
    metrics.leftBottom = { 8, 40 };
    metrics.rightBottom = { 40, 40 };
    metrics.itemsRect = { 4, 4, 44, 44 };
    metrics.skinnedItems = true;
    metrics.itemSkinWidth = 100;
    metrics.textRect = { 30, 0, 92, 24 };
    metrics.itemHeight = 24;
    metrics.separatorHeight = 7;
    return metrics;
}

const SkinRect kScreen { 0, 0, 1000, 800 };

PopupPlacement Place(const SkinRect& anchor, QSize size, PopupOpening opening, int itemsTop = 4,
    PopupSize scrolling = {})
{
    return PlacePopup(anchor, kScreen, size, itemsTop, opening, scrolling);
}

} // namespace

TEST(PopupGeometry, WidthAndHeightWithAndWithoutASkin)
{
    const PopupMetrics plain;
    // Text 60 + 2, glyph column 19, 19 more, and 10 for the plain frame.
    EXPECT_EQ(PopupWidth(plain, 60), 60 + 2 + 19 + 19 + 10);
    // Two rows of 20 and a separator of 4, and 4 for the frame.
    EXPECT_EQ(CalcPopupSize(plain, 60, { 20, 4, 20 }, 0, 800).height, 48);

    const PopupMetrics skinned = Skinned();
    // + text left 30 + item width 100 - text right 92 + picture 48 - items 40.
    EXPECT_EQ(PopupWidth(skinned, 60), 60 + 2 + 19 + 19 + 30 + 100 - 92 + 48 - 40);
    const PopupSize size = CalcPopupSize(skinned, 60, { 24, 7, 24 }, 0, 800);
    EXPECT_EQ(size.height, 24 + 7 + 24 + 8);
    EXPECT_FALSE(size.scroll);
    EXPECT_EQ(PopupItemHeight(skinned, true), 7);
    EXPECT_EQ(PopupItemHeight(plain, true), 4);
    EXPECT_EQ(PopupItemHeight(plain, false), 20);
}

TEST(PopupGeometry, FramePointsAndItemsRectangleFollowTheWindowSize)
{
    const PopupFrame frame = CalcPopupFrame(Skinned(), 200, 150);
    EXPECT_EQ(frame.leftTop, QPoint(8, 8));
    EXPECT_EQ(frame.rightTop, QPoint(192, 8));
    EXPECT_EQ(frame.leftBottom, QPoint(8, 142));
    EXPECT_EQ(frame.rightBottom, QPoint(192, 142));
    EXPECT_EQ(frame.itemsRect, (SkinRect { 4, 4, 196, 146 }));
    EXPECT_EQ(CalcPopupFrame(PopupMetrics {}, 200, 150).itemsRect, (SkinRect { 2, 2, 198, 148 }));
}

TEST(PopupGeometry, FiveOfEightItemsShowBetweenTheMarkers)
{
    const PopupMetrics skinned = Skinned();
    const std::vector<int> heights(8, 24);
    const PopupSize size = CalcPopupSize(skinned, 60, heights, 5, 800);
    EXPECT_TRUE(size.scroll);
    EXPECT_TRUE(size.limitScroll);
    EXPECT_EQ(size.height, 5 * 24 + 8 + 20);

    const PopupFrame frame = CalcPopupFrame(skinned, size.width, size.height);
    PopupItemLayout layout = LayOutPopupItems(frame.itemsRect, heights, 0, true);
    EXPECT_EQ(layout.visibleCount, 5);
    EXPECT_EQ(layout.rects[0].top, 4 + 10);
    EXPECT_TRUE(layout.visible[4]);
    EXPECT_FALSE(layout.visible[5]);
    EXPECT_FALSE(layout.LastVisible());

    // Scrolled to the end, the first three are out and the last one shows.
    layout = LayOutPopupItems(frame.itemsRect, heights, 3, true);
    EXPECT_EQ(layout.visibleCount, 5);
    EXPECT_FALSE(layout.visible[2]);
    EXPECT_TRUE(layout.visible[7]);
    EXPECT_TRUE(layout.LastVisible());
    EXPECT_EQ(layout.rects[3].top, 14);

    // A screen lower than the menu makes it scroll because of the screen.
    const PopupSize tall = CalcPopupSize(skinned, 60, std::vector<int>(100, 24), 0, 600);
    EXPECT_EQ(tall.height, 600);
    EXPECT_TRUE(tall.scroll);
    EXPECT_FALSE(tall.limitScroll);
    // The markers are 10-pixel bands at both ends of the items.
    EXPECT_EQ(TopScrollMarker(skinned, frame, size.width), (SkinRect { 4, 4, size.width - 4, 14 }));
    EXPECT_EQ(BottomScrollMarker(PopupMetrics {}, PopupFrame {}, 100, 80), (SkinRect { 3, 70, 97, 77 }));
}

TEST(PopupGeometry, FirstLevelPositions)
{
    const QSize size(150, 200);
    // Fits below the point.
    PopupPlacement placement = Place({ 100, 100, 100, 100 }, size, PopupOpening::Down);
    EXPECT_EQ(placement.topLeft, QPoint(100, 100));
    EXPECT_FALSE(placement.overlaps);
    // Near the right edge it moves left; near the left edge never past it.
    EXPECT_EQ(Place({ 950, 100, 950, 100 }, size, PopupOpening::Down).topLeft, QPoint(850, 100));
    EXPECT_EQ(Place({ -20, 100, -20, 100 }, size, PopupOpening::Down).topLeft, QPoint(0, 100));
    // Too low to fit below: from the lower half it flips up.
    EXPECT_EQ(Place({ 100, 700, 100, 700 }, size, PopupOpening::Down).topLeft, QPoint(100, 500));
    // From the upper half it sits at the bottom of the screen.
    const QSize tall(150, 700);
    EXPECT_EQ(Place({ 100, 300, 100, 300 }, tall, PopupOpening::Down).topLeft, QPoint(100, 100));
    // Fits neither below nor above: clamped to the top, beside the anchor.
    placement = Place({ 100, 500, 120, 520 }, tall, PopupOpening::Down);
    EXPECT_TRUE(placement.overlaps);
    EXPECT_EQ(placement.topLeft, QPoint(121, 0));

    // Opening upwards: above when there is room, else below.
    EXPECT_EQ(Place({ 100, 300, 100, 300 }, size, PopupOpening::Up).topLeft, QPoint(100, 100));
    EXPECT_EQ(Place({ 100, 50, 100, 50 }, size, PopupOpening::Up).topLeft, QPoint(100, 50));
    placement = Place({ 100, 300, 100, 300 }, QSize(150, 600), PopupOpening::Up);
    EXPECT_EQ(placement.topLeft, QPoint(101, 200));
    EXPECT_TRUE(placement.overlaps);
    placement = Place({ 100, 500, 100, 500 }, QSize(150, 600), PopupOpening::Up);
    EXPECT_EQ(placement.topLeft, QPoint(101, 0));
    EXPECT_TRUE(placement.overlaps);
}

TEST(PopupGeometry, SubmenusOpenBesideTheirRow)
{
    const QSize size(150, 200);
    // Right of the row, its first item level with the row.
    const SkinRect row { 300, 100, 420, 124 };
    EXPECT_EQ(Place(row, size, PopupOpening::Submenu).topLeft, QPoint(421, 96));
    // No room on the right: left of the row.
    const SkinRect rightRow { 800, 100, 920, 124 };
    EXPECT_EQ(Place(rightRow, size, PopupOpening::Submenu).topLeft, QPoint(649, 96));
    // Too low: from the lower half it ends level with the row's bottom.
    const SkinRect lowRow { 300, 700, 420, 724 };
    EXPECT_EQ(Place(lowRow, size, PopupOpening::Submenu).topLeft, QPoint(421, 724 + 4 - 200));
    // From the upper half it sits on the screen's bottom.
    EXPECT_EQ(Place({ 300, 300, 420, 324 }, QSize(150, 600), PopupOpening::Submenu).topLeft, QPoint(421, 200));
}

TEST(PopupGeometry, AWindowScrollingForTheScreenStartsAtTheTopBesideItsAnchor)
{
    PopupSize scrolling;
    scrolling.scroll = true;
    const PopupPlacement placement = Place({ 100, 300, 100, 300 }, QSize(150, 800), PopupOpening::Down, 4, scrolling);
    EXPECT_EQ(placement.topLeft, QPoint(101, 0));
    // Scrolling from the item limit keeps the first-level rule.
    scrolling.limitScroll = true;
    EXPECT_EQ(Place({ 100, 300, 100, 300 }, QSize(150, 200), PopupOpening::Down, 4, scrolling).topLeft,
        QPoint(100, 300));
}
