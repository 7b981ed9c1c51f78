#include "skin/data/form_info.h"
#include "skin/frame/object_layout.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TbsFrameObjectSlot RowButton(TbsStdCommand command)
{
    TbsFrameObjectSlot slot;
    slot.inButtonRow = true;
    slot.command = command;
    slot.rowSize = QSize(20, 16);
    return slot;
}

} // namespace

// The caption buttons are laid from the row's right end leftwards, each the
// skin's offset further. An offset a crafted skin sets near the int limit
// must push the next button off to the far left, never wrap it round to
// the right of the first.
TEST(ObjectLayoutTest, AHugeButtonOffsetPushesTheNextButtonAwayWithoutWrapping)
{
    const std::vector<TbsFrameObjectSlot> objects { RowButton(cmClose), RowButton(cmMaximize), RowButton(cmMinimize) };
    TbsFrameGeometry geometry;
    geometry.width = 800;
    geometry.height = 600;
    geometry.nButtons = SkinRect { 500, 4, 735, 24 }.ToQRect();
    TbsFormInfo info;
    info.buttonsOffset = 2;
    const std::vector<QRect> usual = LayoutObjects(objects, info, QSize(160, 120), geometry);
    EXPECT_EQ(usual[0], QRect(715, 4, 20, 16));
    EXPECT_EQ(usual[1], QRect(693, 4, 20, 16));

    info.buttonsOffset = INT_MAX - 10;
    const std::vector<QRect> pushed = LayoutObjects(objects, info, QSize(160, 120), geometry);
    EXPECT_EQ(pushed[0], QRect(715, 4, 20, 16));
    EXPECT_EQ(pushed[1].left(), 715 - qint64(INT_MAX - 10) - 20);
    // The third would end past the int minimum: it ends there, with no
    // column inside.
    EXPECT_EQ(pushed[2].right(), INT_MIN);
    EXPECT_TRUE(pushed[2].isEmpty());
    for (std::size_t i = 1; i < pushed.size(); ++i)
        EXPECT_LT(pushed[i].right(), pushed[i - 1].left()) << i;
}

// A caption rectangle that reaches past the frame picture grows with the
// window all the same, so it reaches past the window: the buttons are laid
// from the window's edge instead, where they can be seen and clicked, and
// one placed below a low window is lifted into it.
TEST(ObjectLayoutTest, ACaptionPastTheFramePictureKeepsItsButtonsOnTheWindow)
{
    std::vector<TbsFrameObjectSlot> objects { RowButton(cmClose), RowButton(cmMaximize), RowButton(cmMinimize) };
    for (TbsFrameObjectSlot& object : objects)
        object.rowSize = QSize(21, 21);
    TbsFormInfo info;
    info.buttonsOffset = 2;
    info.captionRect = { 4, 5, 154, 27 };
    const QSize picture(150, 100);
    // 4 pixels of the caption lie right of the picture, so 4 of the window.
    const TbsFrameGeometry wide = CalcResizeGeometry(info, picture, 749, 528);
    ASSERT_EQ(wide.nCaption.right(), 753 - 1);
    const std::vector<QRect> places = LayoutObjects(objects, info, picture, wide);
    EXPECT_EQ(places[0], QRect(749 - 21, 5, 21, 21));
    EXPECT_EQ(places[1], QRect(749 - 21 - 2 - 21, 5, 21, 21));
    EXPECT_EQ(places[2], QRect(749 - 3 * 21 - 2 * 2, 5, 21, 21));

    // A face written right to left takes no room from the others.
    objects[1].rowSize = QSize(-2000, 21);
    const std::vector<QRect> backwards = LayoutObjects(objects, info, picture, wide);
    EXPECT_EQ(backwards[1], QRect(749 - 21 - 2, 5, 0, 21));
    EXPECT_EQ(backwards[2], QRect(749 - 2 * 21 - 2 * 2, 5, 21, 21));
    objects[1].rowSize = QSize(21, 21);

    // A negative offset overlaps the buttons, at most by a whole button: a
    // skin's -32768 stacked them on the first instead of past the window.
    info.buttonsOffset = -5;
    const std::vector<QRect> overlapping = LayoutObjects(objects, info, picture, wide);
    EXPECT_EQ(overlapping[1], QRect(749 - 21 - 21 + 5, 5, 21, 21));
    info.buttonsOffset = -32768;
    for (const QRect& place : LayoutObjects(objects, info, picture, wide))
        EXPECT_EQ(place, QRect(749 - 21, 5, 21, 21));
    info.buttonsOffset = 2;

    info.captionRect = { 4, 90, 154, 112 };
    const TbsFrameGeometry low = CalcResizeGeometry(info, picture, 300, 60);
    for (const QRect& place : LayoutObjects(objects, info, picture, low)) {
        EXPECT_EQ(place.top(), 60 - 21);
        EXPECT_LT(place.right(), 300);
    }
}

// A face in the right-hand corner area moves with the window's right edge. A
// crafted skin may start that area, and the face, at the int minimum: on a
// window narrower than the picture the face's left edge stops there instead of
// wrapping round to the far right.
TEST(ObjectLayoutTest, AFaceAtTheIntMinimumStaysThereAsTheWindowNarrows)
{
    TbsFormInfo info;
    info.rightTopPoint = { INT_MIN, 30 };
    TbsFrameObjectSlot face;
    face.place = face.skinRect = QRect(QPoint(INT_MIN, 5), QPoint(99, 19));
    TbsFrameGeometry geometry;
    geometry.width = 60;
    geometry.height = 100;
    const std::vector<QRect> places = LayoutObjects({ face }, info, QSize(160, 120), geometry);
    EXPECT_EQ(places[0], QRect(QPoint(INT_MIN, 5), QPoint(99 - 100, 19)));
}
