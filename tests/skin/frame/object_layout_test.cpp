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
    geometry.nButtons = { 500, 4, 735, 24 };
    TbsFormInfo info;
    info.buttonsOffset = 2;
    const std::vector<SkinRect> usual = LayoutObjects(objects, info, QSize(160, 120), geometry);
    EXPECT_EQ(usual[0].ToQRect(), QRect(715, 4, 20, 16));
    EXPECT_EQ(usual[1].ToQRect(), QRect(693, 4, 20, 16));

    info.buttonsOffset = INT_MAX - 10;
    const std::vector<SkinRect> pushed = LayoutObjects(objects, info, QSize(160, 120), geometry);
    EXPECT_EQ(pushed[0].ToQRect(), QRect(715, 4, 20, 16));
    EXPECT_EQ(pushed[1].left, 715 - qint64(INT_MAX - 10) - 20);
    EXPECT_EQ(pushed[2].left, INT_MIN);
    for (std::size_t i = 1; i < pushed.size(); ++i)
        EXPECT_LE(pushed[i].right, pushed[i - 1].left) << i;
}
