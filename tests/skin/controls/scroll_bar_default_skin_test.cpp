#include "built_in_skin.h"
#include "face_pixels.h"

#include "skin/controls/scroll_bar.h"
#include "skin/data/control_definitions_scroll_bar.h"
#include "skin/data/skin_data.h"

#include <QTest>
#include <gtest/gtest.h>

// The bar beside the main window's memos, as the built-in skin paints it.
TEST(ScrollBarDefaultSkinTest, MemoBarPaintsTheSkinsButtonsAndThumb)
{
    TbsSkinData skinData;
    LoadBuiltInSkin(skinData);
    ASSERT_FALSE(skinData.Empty());

    TbsSkinScrollBar bar;
    bar.SetKind(TScrollBarKind::sbVertical);
    bar.SetSkinDataName(QStringLiteral("vscrollbar"));
    bar.SetDefaultWidth(19);
    bar.resize(19, 333);
    bar.SetSkinData(&skinData);
    bar.SetRange(0, 100, 0, 0);
    bar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
    ASSERT_TRUE(bar.HasSkinDefinition());

    const int index = skinData.FindControlIndex(QStringLiteral("vscrollbar"));
    const auto* definition
        = dynamic_cast<const TbsDataSkinScrollBarControl*>(skinData.ControlDefinitions()[index].get());
    ASSERT_NE(definition, nullptr);
    const QImage picture
        = skinData.ActivePictures().at(definition->pictureIndex).convertToFormat(QImage::Format_RGB32);
    const QPoint skinOrigin = definition->skinRect.TopLeft();
    const int skinWidth = definition->skinRect.Width();
    EXPECT_EQ(bar.width(), skinWidth);
    EXPECT_EQ(bar.height(), 333);

    const auto layout = bar.CalcLayout();
    QImage face = GrabFace(bar);
    EXPECT_EQ(CountColor(face, face.rect(), 0x000000u), 0) << "no part of the bar is left unpainted";
    EXPECT_EQ(layout.downButton.top(), 0);
    EXPECT_EQ(layout.upButton.bottom(), 332);
    EXPECT_EQ(DifferingPixels(face, layout.downButton, picture, skinOrigin + definition->downButtonRect.TopLeft()), 0);
    EXPECT_EQ(DifferingPixels(face, layout.upButton, picture, skinOrigin + definition->upButtonRect.TopLeft()), 0);
    EXPECT_EQ(layout.thumb.top(), layout.track.top());
    EXPECT_EQ(layout.thumb.height(), definition->thumbRect.Height());
    EXPECT_EQ(DifferingPixels(face, layout.thumb, picture, definition->thumbRect.TopLeft()), 0);
    // The arrows are drawn in a colour of their own, not the button's ground.
    EXPECT_GT(face.copy(layout.downButton).convertToFormat(QImage::Format_Indexed8).colorCount(), 2);

    QTest::mouseMove(&bar, layout.downButton.center());
    face = GrabFace(bar);
    EXPECT_EQ(DifferingPixels(face, layout.downButton, picture, definition->activeDownButtonRect.TopLeft()), 0);

    // A page long enough to stretch the thumb keeps the thumb's picture ends.
    bar.SetRange(0, 99, 50, 0);
    const QRect thumb = bar.CalcLayout().thumb;
    EXPECT_GT(thumb.height(), definition->thumbRect.Height());
    face = GrabFace(bar);
    const QRect firstEnd(thumb.left(), thumb.top(), thumb.width(), definition->thumbOffset1);
    EXPECT_EQ(DifferingPixels(face, firstEnd, picture, definition->thumbRect.TopLeft()), 0);
}
