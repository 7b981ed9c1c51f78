#include "built_in_skin.h"
#include "face_pixels.h"

#include "skin/controls/page_control.h"
#include "skin/controls/skin_up_down.h"
#include "skin/controls/tab_sheet.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr QRgb kNavy = 0x000080;
constexpr QRgb kBlack = 0x000000;

struct ManyPages {
    TbsSkinPageControl control;

    explicit ManyPages(int count)
    {
        for (int i = 0; i < count; ++i)
            (new TbsSkinTabSheet(&control))->SetCaption(QStringLiteral("Page %1").arg(i));
        control.resize(745, 200);
        control.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&control));
    }
};

} // namespace

TEST(TabScroller, AppearsScrollsAndGoesAwayAsThePageControlNarrowsAndWidens)
{
    ManyPages pages(8);
    TbsSkinPageControl& control = pages.control;
    EXPECT_EQ(control.TabScroller(), nullptr) << "eight short tabs fit in 745 pixels";

    control.resize(300, 200);
    TbsSkinUpDown* scroller = control.TabScroller();
    ASSERT_NE(scroller, nullptr);
    EXPECT_TRUE(scroller->isVisible());
    EXPECT_EQ(scroller->geometry(), QRect(260, 0, 40, 20)) << "2 x DefaultItemHeight wide, at the right end";
    EXPECT_EQ(scroller->Min(), 0);
    EXPECT_GT(scroller->Max(), 0);
    EXPECT_EQ(scroller->Position(), 0);
    const QRect first = control.TabRect(0);
    const QRect second = control.TabRect(1);

    // The right button scrolls one tab out at the start; the next one takes
    // the first one's place.
    QTest::mouseClick(scroller, Qt::LeftButton, {}, scroller->UpButtonRect().center());
    EXPECT_EQ(scroller->Position(), 1);
    EXPECT_EQ(control.ScrolledTabs(), 1);
    EXPECT_TRUE(control.TabRect(0).isEmpty());
    EXPECT_EQ(control.TabRect(1).left(), 0);
    EXPECT_EQ(control.TabRect(1).width(), second.width());
    EXPECT_EQ(control.TabAt(first.center()), 1);
    QTest::mouseClick(scroller, Qt::LeftButton, {}, scroller->DownButtonRect().center());
    EXPECT_EQ(control.ScrolledTabs(), 0);
    EXPECT_EQ(control.TabRect(0), first);

    // Choosing a tab past the scroller from the keyboard scrolls it into sight.
    control.SetActivePageIndex(7);
    EXPECT_EQ(control.ScrolledTabs(), scroller->Max());
    const QRect last = control.TabRect(7);
    EXPECT_LE(last.left() + last.width(), 300 - 40 - 3);

    control.resize(745, 200);
    EXPECT_EQ(control.TabScroller(), nullptr);
    EXPECT_EQ(control.ScrolledTabs(), 0);
    EXPECT_EQ(control.TabRect(0), first);
}

TEST(TabScroller, TakesTheDefinitionTheTabDefinitionNames)
{
    TbsSkinData skin;
    LoadBuiltInSkin(skin);
    ManyPages pages(12);
    pages.control.SetSkinData(&skin);
    pages.control.resize(300, 200);
    TbsSkinUpDown* scroller = pages.control.TabScroller();
    ASSERT_NE(scroller, nullptr);
    EXPECT_EQ(scroller->SkinDataName(), QStringLiteral("hupdown"));
    EXPECT_TRUE(scroller->HasSkinDefinition());
    EXPECT_EQ(scroller->geometry().right(), 299);
    // The scroller keeps the tabs under it from the mouse.
    EXPECT_EQ(pages.control.TabAt(scroller->geometry().center()), -1);
}

TEST(TabPosition, TabsOnEachSideKeepThePageAreaBesideThem)
{
    ManyPages pages(2);
    TbsSkinPageControl& control = pages.control;
    const int length = control.TabRect(0).width();

    control.SetTabPosition(tpBottom);
    EXPECT_EQ(control.TabRect(0), QRect(1, 180, length, 20));
    EXPECT_EQ(control.PageArea(), QRect(1, 1, 743, 178));
    EXPECT_EQ(control.Pages(0)->geometry(), control.PageArea());

    control.SetTabPosition(tpLeft);
    EXPECT_EQ(control.TabRect(0), QRect(0, 1, 20, length));
    EXPECT_EQ(control.TabRect(1).top(), length + 1);
    EXPECT_EQ(control.PageArea(), QRect(21, 1, 723, 198));

    control.SetTabPosition(tpRight);
    EXPECT_EQ(control.TabRect(0), QRect(725, 1, 20, length));
    EXPECT_EQ(control.PageArea(), QRect(1, 1, 723, 198));
    EXPECT_EQ(control.TabAt(QPoint(735, length / 2)), 0);
    EXPECT_EQ(control.TabAt(QPoint(735, length + 5)), 1);

    // The turned tab keeps its frame and its caption inside its rectangle.
    const QImage face = control.RenderFace();
    const QRect tab = control.TabRect(0);
    EXPECT_EQ(PixelAt(face, tab.left(), tab.top() + 5), kNavy);
    EXPECT_EQ(PixelAt(face, tab.right(), tab.bottom() - 5), kNavy);
    EXPECT_GT(CountColor(face, tab.adjusted(1, 1, -1, -1), kBlack), 0);
    const QRect besideCaption(tab.left() - 30, tab.top(), 25, tab.height());
    EXPECT_EQ(CountColor(face, besideCaption, kBlack), 0);

    // Up and down step through tabs on a side.
    control.setFocus();
    QTest::keyClick(&control, Qt::Key_Down);
    EXPECT_EQ(control.ActivePageIndex(), 1);
    QTest::keyClick(&control, Qt::Key_Up);
    EXPECT_EQ(control.ActivePageIndex(), 0);
}
