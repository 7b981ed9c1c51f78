#include "skin/frame/frame_rect.h"

#include <gtest/gtest.h>

#include <climits>

// A skin writes its rectangles with exclusive right and bottom edges anywhere
// in the int range. As the frame's QRects they hold exactly the points they
// held before, an upside-down one none (where QRect::contains would turn it
// round first), and they move with the window without overflowing.
TEST(FrameRect, HoldsWhatTheSkinsExclusiveEdgesHeldUpToTheIntLimits)
{
    // Columns 5 to 682 and rows 4 to 23, worked out by hand.
    const QRect caption = FrameRect({ 5, 4, 683, 24 });
    EXPECT_TRUE(RectHolds(caption, { 5, 4 }));
    EXPECT_TRUE(RectHolds(caption, { 682, 23 }));
    EXPECT_FALSE(RectHolds(caption, { 683, 10 }));
    EXPECT_FALSE(RectHolds(caption, { 300, 24 }));
    EXPECT_FALSE(RectHolds(caption, { 4, 10 }));
    EXPECT_EQ(EndX(caption), 683);
    EXPECT_EQ(EndY(caption), 24);

    const QRect upsideDown = FrameRect({ 683, 24, 5, 4 });
    ASSERT_TRUE(upsideDown.contains(300, 10)) << "QRect::contains turns it round";
    EXPECT_FALSE(RectHolds(upsideDown, { 300, 10 }));
    EXPECT_FALSE(RectHolds(FrameRect({ 5, 4, 5, 24 }), { 5, 10 })) << "no width, no column";

    const QRect everything = FrameRect({ INT_MIN, INT_MIN, INT_MAX, INT_MAX });
    EXPECT_TRUE(RectHolds(everything, { INT_MIN, INT_MIN }));
    EXPECT_TRUE(RectHolds(everything, { INT_MAX - 1, INT_MAX - 1 }));
    EXPECT_FALSE(RectHolds(everything, { INT_MAX, 0 }));
    EXPECT_EQ(EndX(everything), INT_MAX);

    // An end at the int minimum leaves no column, though the column before
    // it cannot be written.
    const QRect endsAtTheMinimum = FrameRect({ INT_MIN, 0, INT_MIN, 10 });
    EXPECT_TRUE(endsAtTheMinimum.isEmpty());
    EXPECT_FALSE(RectHolds(endsAtTheMinimum, { INT_MIN, 5 }));

    // Edges moved past a limit stop there.
    const QRect grown = MovedEdges(FrameRect({ 10, 0, INT_MAX - 5, 10 }), 0, 0, 100, 0);
    EXPECT_EQ(grown.left(), 10);
    EXPECT_EQ(EndX(grown), INT_MAX);
    const QRect shrunk = MovedEdges(FrameRect({ INT_MIN + 5, 0, INT_MIN + 10, 10 }), -100, 0, -100, 0);
    EXPECT_TRUE(shrunk.isEmpty());
    EXPECT_FALSE(RectHolds(shrunk, { INT_MIN, 5 }));
}
