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
    metrics.itemsRect = QRect(4, 4, 40, 40);
    metrics.skinnedItems = true;
    metrics.itemSkinWidth = 100;
    metrics.textRect = QRect(30, 0, 62, 24);
    metrics.itemHeight = 24;
    metrics.separatorHeight = 7;
    return metrics;
}

const QRect kScreen(0, 0, 1000, 800);

PopupPlacement Place(const QRect& anchor, QSize size, PopupOpening opening, int itemsTop = 4,
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
    EXPECT_EQ(frame.itemsRect, QRect(4, 4, 192, 142));
    EXPECT_EQ(CalcPopupFrame(PopupMetrics {}, 200, 150).itemsRect, QRect(2, 2, 196, 146));
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
    EXPECT_EQ(layout.rects[0].top(), 4 + 10);
    EXPECT_TRUE(layout.visible[4]);
    EXPECT_FALSE(layout.visible[5]);
    EXPECT_FALSE(layout.LastVisible());

    // Scrolled to the end, the first three are out and the last one shows.
    layout = LayOutPopupItems(frame.itemsRect, heights, 3, true);
    EXPECT_EQ(layout.visibleCount, 5);
    EXPECT_FALSE(layout.visible[2]);
    EXPECT_TRUE(layout.visible[7]);
    EXPECT_TRUE(layout.LastVisible());
    EXPECT_EQ(layout.rects[3].top(), 14);

    // A screen lower than the menu makes it scroll because of the screen.
    const PopupSize tall = CalcPopupSize(skinned, 60, std::vector<int>(100, 24), 0, 600);
    EXPECT_EQ(tall.height, 600);
    EXPECT_TRUE(tall.scroll);
    EXPECT_FALSE(tall.limitScroll);
    // The markers are 10-pixel bands at both ends of the items.
    EXPECT_EQ(TopScrollMarker(skinned, frame, size.width), QRect(4, 4, size.width - 8, 10));
    EXPECT_EQ(BottomScrollMarker(PopupMetrics {}, PopupFrame {}, 100, 80), QRect(3, 70, 94, 7));
}

TEST(PopupGeometry, FirstLevelPositions)
{
    const QSize size(150, 200);
    // Fits below the point.
    PopupPlacement placement = Place(QRect(100, 100, 0, 0), size, PopupOpening::Down);
    EXPECT_EQ(placement.topLeft, QPoint(100, 100));
    EXPECT_FALSE(placement.overlaps);
    // Near the right edge it moves left; near the left edge never past it.
    EXPECT_EQ(Place(QRect(950, 100, 0, 0), size, PopupOpening::Down).topLeft, QPoint(850, 100));
    EXPECT_EQ(Place(QRect(-20, 100, 0, 0), size, PopupOpening::Down).topLeft, QPoint(0, 100));
    // Too low to fit below: from the lower half it flips up.
    EXPECT_EQ(Place(QRect(100, 700, 0, 0), size, PopupOpening::Down).topLeft, QPoint(100, 500));
    // From the upper half it sits at the bottom of the screen.
    const QSize tall(150, 700);
    EXPECT_EQ(Place(QRect(100, 300, 0, 0), tall, PopupOpening::Down).topLeft, QPoint(100, 100));
    // Fits neither below nor above: clamped to the top, beside the anchor.
    placement = Place(QRect(100, 500, 20, 20), tall, PopupOpening::Down);
    EXPECT_TRUE(placement.overlaps);
    EXPECT_EQ(placement.topLeft, QPoint(121, 0));

    // Opening upwards: above when there is room, else below.
    EXPECT_EQ(Place(QRect(100, 300, 0, 0), size, PopupOpening::Up).topLeft, QPoint(100, 100));
    EXPECT_EQ(Place(QRect(100, 50, 0, 0), size, PopupOpening::Up).topLeft, QPoint(100, 50));
    placement = Place(QRect(100, 300, 0, 0), QSize(150, 600), PopupOpening::Up);
    EXPECT_EQ(placement.topLeft, QPoint(101, 200));
    EXPECT_TRUE(placement.overlaps);
    placement = Place(QRect(100, 500, 0, 0), QSize(150, 600), PopupOpening::Up);
    EXPECT_EQ(placement.topLeft, QPoint(101, 0));
    EXPECT_TRUE(placement.overlaps);
}

TEST(PopupGeometry, SubmenusOpenBesideTheirRow)
{
    const QSize size(150, 200);
    // Right of the row, its first item level with the row.
    const QRect row(300, 100, 120, 24);
    EXPECT_EQ(Place(row, size, PopupOpening::Submenu).topLeft, QPoint(421, 96));
    // No room on the right: left of the row.
    const QRect rightRow(800, 100, 120, 24);
    EXPECT_EQ(Place(rightRow, size, PopupOpening::Submenu).topLeft, QPoint(649, 96));
    // Too low: from the lower half it ends level with the row's bottom.
    const QRect lowRow(300, 700, 120, 24);
    EXPECT_EQ(Place(lowRow, size, PopupOpening::Submenu).topLeft, QPoint(421, 724 + 4 - 200));
    // From the upper half it sits on the screen's bottom.
    EXPECT_EQ(Place(QRect(300, 300, 120, 24), QSize(150, 600), PopupOpening::Submenu).topLeft, QPoint(421, 200));
}

TEST(PopupGeometry, AWindowScrollingForTheScreenStartsAtTheTopBesideItsAnchor)
{
    PopupSize scrolling;
    scrolling.scroll = true;
    const PopupPlacement placement = Place(QRect(100, 300, 0, 0), QSize(150, 800), PopupOpening::Down, 4, scrolling);
    EXPECT_EQ(placement.topLeft, QPoint(101, 0));
    // Scrolling from the item limit keeps the first-level rule.
    scrolling.limitScroll = true;
    EXPECT_EQ(Place(QRect(100, 300, 0, 0), QSize(150, 200), PopupOpening::Down, 4, scrolling).topLeft,
        QPoint(100, 300));
}
