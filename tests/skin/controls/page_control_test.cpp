#include "skin/controls/page_control.h"
#include "skin/controls/tab_sheet.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct TwoPages {
    TbsSkinPageControl control;
    TbsSkinTabSheet* first { new TbsSkinTabSheet(&control) };
    TbsSkinTabSheet* second { new TbsSkinTabSheet(&control) };

    TwoPages()
    {
        first->SetCaption(QStringLiteral("原始文章内容"));
        second->SetCaption(QStringLiteral("打乱后的文章"));
        control.resize(745, 355);
        control.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&control));
    }

    QRgb Pixel(QPoint point) { return control.RenderFace().pixel(point) & 0xFFFFFFu; }
};

constexpr QRgb kHotFill = 0xB6BDD2;
constexpr QRgb kButtonFace = 0xD4D0C8;
constexpr QRgb kNavy = 0x000080;

} // namespace

TEST(PageControlTest, TabsAndPageAreaWithoutSkin)
{
    TwoPages pages;
    EXPECT_EQ(pages.control.ActivePage(), pages.first) << "the first page becomes active";
    EXPECT_EQ(pages.control.ItemHeight(), 20);

    const QRect tab0 = pages.control.TabRect(0);
    const QRect tab1 = pages.control.TabRect(1);
    EXPECT_EQ(tab0.left(), 1);
    EXPECT_EQ(tab0.top(), 0);
    EXPECT_EQ(tab0.height(), 20);
    EXPECT_EQ(tab1.left(), tab0.left() + tab0.width());
    EXPECT_GT(tab0.width(), QFontMetrics(pages.control.DefaultFont()).horizontalAdvance(pages.first->Caption()));

    // The pages fill the frame below the tabs: 743 × 333 in a 745 × 355 control.
    EXPECT_EQ(pages.control.PageArea(), QRect(1, 21, 743, 333));
    EXPECT_EQ(pages.first->geometry(), QRect(1, 21, 743, 333));
    EXPECT_TRUE(pages.first->isVisible());
    EXPECT_FALSE(pages.second->isVisible());

    EXPECT_EQ(pages.Pixel({ 0, 20 }), 0x808080u) << "frame around the page area";
    EXPECT_EQ(pages.Pixel(tab0.topLeft()), kNavy) << "the active tab is framed";
    EXPECT_EQ(pages.Pixel(tab1.topLeft() + QPoint(2, 2)), kButtonFace);

    pages.control.SetDefaultItemHeight(24);
    EXPECT_EQ(pages.control.TabRect(1).height(), 24);
    EXPECT_EQ(pages.second->geometry().top(), 25);
}

TEST(PageControlTest, ClickingATabSwitchesPagesUnlessRefused)
{
    TwoPages pages;
    QSignalSpy changes(&pages.control, &TbsSkinPageControl::OnChange);
    const QPoint secondTab = pages.control.TabRect(1).center();

    QTest::mouseClick(&pages.control, Qt::LeftButton, {}, secondTab);
    EXPECT_EQ(pages.control.ActivePage(), pages.second);
    EXPECT_EQ(pages.control.ActivePageIndex(), 1);
    EXPECT_TRUE(pages.second->isVisible());
    EXPECT_FALSE(pages.first->isVisible());
    EXPECT_EQ(changes.count(), 1);

    // Clicking the active tab again changes nothing.
    QTest::mouseClick(&pages.control, Qt::LeftButton, {}, secondTab);
    EXPECT_EQ(changes.count(), 1);

    QObject::connect(&pages.control, &TbsSkinPageControl::OnChanging, [](bool& allow) { allow = false; });
    QTest::mouseClick(&pages.control, Qt::LeftButton, {}, pages.control.TabRect(0).center());
    EXPECT_EQ(pages.control.ActivePage(), pages.second);
    EXPECT_EQ(changes.count(), 1);

    // The program switches pages without the events.
    pages.control.SetActivePage(pages.first);
    EXPECT_EQ(pages.control.ActivePage(), pages.first);
    EXPECT_TRUE(pages.first->isVisible());
    EXPECT_EQ(changes.count(), 1);
}

TEST(PageControlTest, HoveredInactiveTabLightsUpAndHiddenTabsAreSkipped)
{
    TwoPages pages;
    const QRect tab1 = pages.control.TabRect(1);
    QTest::mouseMove(&pages.control, tab1.center());
    EXPECT_EQ(pages.control.HotTab(), 1);
    EXPECT_EQ(pages.Pixel(tab1.topLeft() + QPoint(2, 2)), kHotFill);

    // The active tab keeps its own look under the mouse.
    const QRect tab0 = pages.control.TabRect(0);
    QTest::mouseMove(&pages.control, tab0.center());
    EXPECT_EQ(pages.control.HotTab(), 0);
    EXPECT_EQ(pages.Pixel(tab0.topLeft()), kNavy);
    EXPECT_EQ(pages.Pixel(tab1.topLeft() + QPoint(2, 2)), kButtonFace);

    QTest::mouseMove(&pages.control, QPoint(400, 200));
    EXPECT_EQ(pages.control.HotTab(), -1);

    pages.first->SetTabVisible(false);
    EXPECT_EQ(pages.control.VisibleTabCount(), 1);
    EXPECT_EQ(pages.control.PageOfVisibleTab(0), pages.second);
    EXPECT_EQ(pages.control.TabRect(0).left(), 1);
    QTest::mouseClick(&pages.control, Qt::LeftButton, {}, pages.control.TabRect(0).center());
    EXPECT_EQ(pages.control.ActivePage(), pages.second);

    delete pages.second;
    EXPECT_EQ(pages.control.PageCount(), 1);
    EXPECT_EQ(pages.control.ActivePage(), nullptr);
}

TEST(PageControlTest, FocusedControlMarksTheActiveTabAndArrowKeysSwitchPages)
{
    TwoPages pages;
    QSignalSpy changes(&pages.control, &TbsSkinPageControl::OnChange);
    pages.control.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&pages.control));
    pages.control.setFocus();
    ASSERT_TRUE(pages.control.hasFocus());
    EXPECT_EQ(pages.Pixel(pages.control.TabRect(0).center()), 0x8593B5u) << "focused active tab fill";

    QTest::keyClick(&pages.control, Qt::Key_Right);
    EXPECT_EQ(pages.control.ActivePage(), pages.second);
    QTest::keyClick(&pages.control, Qt::Key_Right);
    EXPECT_EQ(pages.control.ActivePage(), pages.second) << "the last tab stays";
    QTest::keyClick(&pages.control, Qt::Key_Left);
    EXPECT_EQ(pages.control.ActivePage(), pages.first);
    EXPECT_EQ(changes.count(), 2);
}

TEST(PageControlTest, CloseButtonClosesTheActivePageWhenAllowed)
{
    TwoPages pages;
    const int plainWidth = pages.control.TabRect(1).width();
    pages.control.SetShowCloseButtons(true);
    EXPECT_EQ(pages.control.TabRect(1).width(), plainWidth + 14);
    const QRect close = pages.control.CloseButtonRect(1);
    EXPECT_EQ(close.size(), QSize(14, 14));
    EXPECT_EQ(close.left() + close.width(), pages.control.TabRect(1).left() + pages.control.TabRect(1).width() - 2);

    // The glyph turns white under the mouse.
    const QPoint glyphPixel = close.topLeft() + QPoint(3, 3);
    EXPECT_EQ(pages.Pixel(glyphPixel), 0x000000u);
    QTest::mouseMove(&pages.control, close.center());
    EXPECT_EQ(pages.Pixel(glyphPixel), 0xFFFFFFu);

    bool allow = false;
    int asked = 0;
    QSignalSpy afterClose(&pages.control, &TbsSkinPageControl::OnAfterClose);
    QObject::connect(&pages.control, &TbsSkinPageControl::OnClose, [&](TbsSkinTabSheet* page, bool& canClose) {
        EXPECT_EQ(page, pages.second);
        ++asked;
        canClose = allow;
    });
    QTest::mouseClick(&pages.control, Qt::LeftButton, {}, close.center());
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(pages.control.ActivePage(), pages.second) << "pressing the button selected its tab";
    EXPECT_TRUE(pages.second->TabVisible());

    // Released outside the button, nothing closes.
    QTest::mousePress(&pages.control, Qt::LeftButton, {}, close.center());
    QTest::mouseRelease(&pages.control, Qt::LeftButton, {}, pages.control.TabRect(1).topLeft());
    EXPECT_EQ(asked, 1);

    allow = true;
    pages.control.SetFreeOnClose(true);
    QTest::mouseClick(&pages.control, Qt::LeftButton, {}, close.center());
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(afterClose.count(), 1);
    EXPECT_EQ(pages.control.PageCount(), 1) << "the closed page was freed";
    EXPECT_EQ(pages.control.ActivePage(), pages.first);
    EXPECT_TRUE(pages.first->isVisible());
}

TEST(PageControlTest, AClosingHandlerMayFreeThePageItself)
{
    TwoPages pages;
    pages.control.SetShowCloseButtons(true);
    pages.control.SetFreeOnClose(true);
    pages.control.SetActivePage(pages.second);
    QSignalSpy afterClose(&pages.control, &TbsSkinPageControl::OnAfterClose);
    QObject::connect(&pages.control, &TbsSkinPageControl::OnClose, [](TbsSkinTabSheet* page, bool& canClose) {
        canClose = true;
        delete page;
    });
    QTest::mouseClick(&pages.control, Qt::LeftButton, {}, pages.control.CloseButtonRect(1).center());
    EXPECT_EQ(pages.control.PageCount(), 1);
    EXPECT_EQ(pages.control.Pages(0), pages.first);
    EXPECT_EQ(afterClose.count(), 0) << "the page control closed nothing itself";
}
