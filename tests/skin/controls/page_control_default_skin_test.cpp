#include "built_in_skin.h"
#include "face_pixels.h"

#include "skin/controls/page_control.h"
#include "skin/controls/tab_sheet.h"
#include "skin/data/control_definitions_tab.h"
#include "skin/data/skin_data.h"

#include <QTest>
#include <gtest/gtest.h>

// The main window's two pages as the built-in skin paints them.
TEST(PageControlDefaultSkinTest, TwoTabsWithTheActiveFaceAndNoUnpaintedPixel)
{
    TbsSkinData skinData;
    LoadBuiltInSkin(skinData);
    ASSERT_FALSE(skinData.Empty());

    TbsSkinPageControl control;
    auto* first = new TbsSkinTabSheet(&control);
    auto* second = new TbsSkinTabSheet(&control);
    first->SetCaption(QStringLiteral("原始文章内容"));
    second->SetCaption(QStringLiteral("打乱后的文章"));
    control.resize(745, 355);
    control.SetSkinData(&skinData);
    // Alone in its window the control would take the focus, whose mark is
    // drawn over the selected tab; these are the faces without it.
    control.setFocusPolicy(Qt::NoFocus);
    control.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&control));
    ASSERT_TRUE(control.HasSkinDefinition());
    EXPECT_EQ(control.size(), QSize(745, 355)) << "the skin does not resize the control";

    const int index = skinData.FindControlIndex(QStringLiteral("tab"));
    const auto* definition = dynamic_cast<const TbsDataSkinTabControl*>(skinData.ControlDefinitions()[index].get());
    ASSERT_NE(definition, nullptr);
    const QImage picture = skinData.ActivePictures().at(definition->pictureIndex).convertToFormat(QImage::Format_RGB32);

    const int tabHeight = definition->tabRect.Height();
    EXPECT_EQ(control.ItemHeight(), tabHeight);
    const SkinRect& client = definition->clientRect;
    const QRect area = control.PageArea();
    EXPECT_EQ(area.top(), tabHeight + client.top);
    EXPECT_EQ(area.left(), client.left);
    EXPECT_EQ(control.width() - area.right() - 1, definition->skinRect.Width() - client.right);
    EXPECT_EQ(first->geometry(), area);

    const QImage face = GrabFace(control);
    EXPECT_EQ(CountColor(face, face.rect(), 0x000000u), 0) << "no part of the control is left unpainted";

    // The ends of each tab are the skin's own columns: the active face on
    // the first tab, reaching into the frame, the plain face on the second.
    const QRect active = control.TabFaceArea(0);
    EXPECT_EQ(active.height(), definition->activeTabRect.Height());
    const QRect activeLeftEnd(active.left(), active.top(), definition->tabLeftOffset, active.height());
    EXPECT_EQ(DifferingPixels(face, activeLeftEnd, picture, definition->activeTabRect.TopLeft()), 0);
    const QRect inactive = control.TabFaceArea(1);
    EXPECT_EQ(inactive.height(), tabHeight);
    const QRect inactiveRightEnd(inactive.left() + inactive.width() - definition->tabRightOffset, inactive.top(),
        definition->tabRightOffset, inactive.height());
    const QPoint rightEnd(definition->tabRect.right - definition->tabRightOffset, definition->tabRect.top);
    EXPECT_EQ(DifferingPixels(face, inactiveRightEnd, picture, rightEnd), 0);

    // The page behind the memos shows the skin's page colour, never black.
    const QImage page = GrabFace(*first);
    EXPECT_EQ(CountColor(page, page.rect(), 0x000000u), 0);
    const QPoint clientPiece = definition->skinRect.TopLeft() + QPoint(client.left, client.top);
    EXPECT_EQ(PixelAt(page, 0, 0), PixelAt(picture, clientPiece.x(), clientPiece.y()));
}
