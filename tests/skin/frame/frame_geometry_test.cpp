#include "skin/data/skin_data.h"
#include "skin/frame/frame_geometry.h"
#include "skin/frame/frame_hit_test.h"
#include "skin/frame/frame_shape.h"
#include "tests/skin/frame/frame_test_skin.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

class StoredGeometry : public ::testing::Test {
protected:
    std::unique_ptr<TbsSkinData> skin { frame_test::LoadSkin(frame_test::StoredGeometryPackage()) };
    const TbsFormInfo& info { skin->FormInfo() };
    const QSize picture { 285, 210 };
};

TEST_F(StoredGeometry, FrameOfFourTwentySevenFourFourGivesTheMainWindowItsSize)
{
    const QMargins margins = SkinFrameMargins(info, picture);
    EXPECT_EQ(margins, QMargins(4, 27, 4, 4));
    EXPECT_EQ(QSize(745, 528).grownBy(margins), QSize(753, 559));

    const TbsFrameGeometry g = CalcResizeGeometry(info, picture, 753, 559);
    EXPECT_EQ(g.nLT, QPoint(9, 29));
    EXPECT_EQ(g.nRT, QPoint(742, 30));
    EXPECT_EQ(g.nLB, QPoint(8, 549));
    EXPECT_EQ(g.nRB, QPoint(742, 549));
    EXPECT_EQ(g.nClient, (SkinRect { 4, 27, 749, 555 }.ToQRect()));
    EXPECT_EQ(g.nCaption, (SkinRect { 3, 5, 750, 24 }.ToQRect()));
    EXPECT_EQ(g.nMask, (SkinRect { 4, 3, 750, 555 }.ToQRect()));
    EXPECT_EQ(g.hRB, QPoint(744, 552));
    EXPECT_TRUE(g.nButtons.isEmpty());
}

TEST_F(StoredGeometry, FourStripsOnlyAsLargeAsTheBorder)
{
    const TbsFrameGeometry g = CalcResizeGeometry(info, picture, 753, 559);
    const SkinBorderStrips strips
        = ComposeSkinBorders(skin->Picture(), FramePiece(info, picture, info.clientRect), FrameTarget(g, g.nClient));
    EXPECT_EQ(strips.top.size(), QSize(753, 27));
    EXPECT_EQ(strips.bottom.size(), QSize(753, 4));
    EXPECT_EQ(strips.left.size(), QSize(4, 528));
    EXPECT_EQ(strips.right.size(), QSize(4, 528));
    // The right corner of the top strip comes from x 274 of the picture on.
    EXPECT_EQ(strips.top.pixel(742, 10) & 0xFFFFFF, qRgb(274 % 256, 10, 77) & 0xFFFFFF);
}

TEST_F(StoredGeometry, HitCodesAtTheEdgesCornersCaptionAndClient)
{
    const TbsFrameGeometry g = CalcResizeGeometry(info, picture, 753, 559);
    const std::vector<QRect> captions { SkinRect { 5, 4, 683, 24 }.ToQRect() };
    const TbsHitTestState normal;
    const auto hit = [&](int x, int y, const TbsHitTestState& state = TbsHitTestState {}) {
        return SkinHitTest({ x, y }, g, info.borderWidth, state, captions, {});
    };
    EXPECT_EQ(hit(0, 0), HTTOPLEFT);
    EXPECT_EQ(hit(752, 0), HTTOPRIGHT);
    EXPECT_EQ(hit(0, 558), HTBOTTOMLEFT);
    EXPECT_EQ(hit(752, 558), HTBOTTOMRIGHT);
    EXPECT_EQ(hit(300, 1), HTTOP);
    EXPECT_EQ(hit(300, 557), HTBOTTOM);
    EXPECT_EQ(hit(1, 300), HTLEFT);
    EXPECT_EQ(hit(751, 300), HTRIGHT);
    // Three pixels in from the edge the border no longer sizes.
    EXPECT_EQ(hit(3, 300), HTOBJECT);
    EXPECT_EQ(hit(300, 12), HTCAPTION);
    EXPECT_EQ(hit(300, 300), HTCLIENT);
    EXPECT_EQ(hit(700, 12), HTOBJECT) << "beside the caption, where the buttons are";

    TbsHitTestState maximized;
    maximized.maximized = true;
    EXPECT_EQ(hit(0, 0, maximized), HTOBJECT) << "a maximized window does not size";
    EXPECT_EQ(hit(300, 12, maximized), HTCAPTION);
    TbsHitTestState fixed;
    fixed.canResize = false;
    EXPECT_EQ(hit(752, 558, fixed), HTOBJECT);
    TbsHitTestState rolledUp;
    rolledUp.rolledUp = true;
    EXPECT_EQ(hit(300, 300, rolledUp), HTOBJECT) << "no client while rolled up";
}

// Caption and client end one column and row before their exclusive edges; a
// crafted skin's caption or client rectangle written upside down holds no
// point at all.
TEST_F(StoredGeometry, CaptionAndClientEndAtTheirExclusiveEdgesAndUpsideDownHoldNothing)
{
    const TbsFrameGeometry g = CalcResizeGeometry(info, picture, 753, 559);
    const std::vector<QRect> captions { SkinRect { 5, 4, 683, 24 }.ToQRect() };
    const auto hit = [&](int x, int y) { return SkinHitTest({ x, y }, g, info.borderWidth, {}, captions, {}); };
    EXPECT_EQ(hit(682, 12), HTCAPTION);
    EXPECT_EQ(hit(683, 12), HTOBJECT);
    EXPECT_EQ(hit(300, 23), HTCAPTION);
    EXPECT_EQ(hit(300, 24), HTOBJECT);
    EXPECT_EQ(hit(4, 300), HTCLIENT) << "client 4, 27 to 749, 555";
    EXPECT_EQ(hit(748, 554), HTCLIENT);
    EXPECT_EQ(hit(749, 300), HTOBJECT);
    EXPECT_EQ(hit(300, 555), HTOBJECT);

    TbsFormInfo crafted = info;
    crafted.clientRect = { 281, 206, 4, 27 };
    const TbsFrameGeometry upsideDown = CalcResizeGeometry(crafted, picture, 285, 210);
    const std::vector<QRect> backwards { SkinRect { 200, 24, 5, 4 }.ToQRect() };
    EXPECT_EQ(SkinHitTest({ 100, 100 }, upsideDown, info.borderWidth, {}, backwards, {}), HTOBJECT);
    EXPECT_EQ(SkinHitTest({ 100, 12 }, upsideDown, info.borderWidth, {}, backwards, {}), HTOBJECT);
}

TEST_F(StoredGeometry, WithAMaskTheBorderFollowsTheShape)
{
    const TbsFrameGeometry g = CalcResizeGeometry(info, picture, 400, 300);
    // A shape without the window's two leftmost columns.
    const auto inShape = [](const QPoint& p) { return p.x() >= 2 && p.y() >= 0 && p.x() < 400 && p.y() < 300; };
    const std::vector<QRect> captions { SkinRect { 5, 4, 300, 24 }.ToQRect() };
    EXPECT_EQ(SkinHitTest({ 3, 150 }, g, 3, {}, captions, inShape), HTLEFT) << "a probe leaves the shape";
    EXPECT_EQ(SkinHitTest({ 3, 150 }, g, 3, {}, captions, {}), HTOBJECT) << "no probe leaves the window";
    EXPECT_EQ(SkinHitTest({ 200, 100 }, g, 3, {}, captions, inShape), HTCLIENT) << "inside the mask rectangle";
}

TEST(DefaultFrame, ThreePixelBorderAndNineteenPixelCaption)
{
    EXPECT_EQ(DefaultFrameMargins(19), QMargins(3, 22, 3, 3));
    EXPECT_EQ(ClientRectInside(QSize(200, 100), DefaultFrameMargins(19)), (SkinRect { 3, 22, 197, 97 }.ToQRect()));
    EXPECT_EQ(ClientRectInside(QSize(4, 10), DefaultFrameMargins(19)), (SkinRect { 3, 22, 3, 22 }.ToQRect()))
        << "right and bottom never cross left and top";

    const QRect caption = SkinRect { 3, 3, 146, 19 }.ToQRect();
    const TbsHitTestState normal;
    EXPECT_EQ(DefaultHitTest({ 0, 0 }, 200, 100, 19, caption, normal), HTTOPLEFT);
    EXPECT_EQ(DefaultHitTest({ 199, 99 }, 200, 100, 19, caption, normal), HTBOTTOMRIGHT);
    EXPECT_EQ(DefaultHitTest({ 100, 10 }, 200, 100, 19, caption, normal), HTCAPTION);
    EXPECT_EQ(DefaultHitTest({ 100, 50 }, 200, 100, 19, caption, normal), HTCLIENT);
    EXPECT_EQ(DefaultHitTest({ 170, 10 }, 200, 100, 19, caption, normal), HTOBJECT);
}

TEST(AbsurdFrame, MarginsStayWithinThePicture)
{
    TbsFormInfo info;
    info.clientRect = { -50, 400, 5000, 9000 };
    const QMargins margins = SkinFrameMargins(info, QSize(100, 80));
    EXPECT_EQ(margins, QMargins(0, 80, 0, 0));
    // A right or bottom edge at the int minimum lies a whole picture away.
    info.clientRect = { 0, 0, std::numeric_limits<int>::min(), std::numeric_limits<int>::min() };
    EXPECT_EQ(SkinFrameMargins(info, QSize(100, 80)), QMargins(0, 0, 100, 80));
}

} // namespace

// Points and edges a crafted skin writes at the int limits stay there as the
// window grows or shrinks, instead of wrapping round to the other side.
TEST_F(StoredGeometry, PointsAndEdgesAtTheIntLimitsStopThereAsTheWindowResizes)
{
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    TbsFormInfo crafted = info;
    crafted.rightTopPoint = { kMax, 30 };
    crafted.rightBottomPoint = { kMax, kMax };
    crafted.hitTestLeftBottomPoint = { 8, kMax };
    crafted.clientRect = { 4, 27, kMax, kMax };
    crafted.captionRect = { 3, 5, kMax, 24 };
    crafted.buttonsRect = { 200, 5, kMax, 24 };
    const TbsFrameGeometry grown = CalcResizeGeometry(crafted, picture, 753, 559);
    EXPECT_EQ(grown.nRT, QPoint(kMax, 30));
    EXPECT_EQ(grown.nRB, QPoint(kMax, kMax));
    EXPECT_EQ(grown.hLB, QPoint(8, kMax));
    // Their last column and row inside are one before the exclusive edges.
    EXPECT_EQ(grown.nClient, QRect(QPoint(4, 27), QPoint(kMax - 1, kMax - 1)));
    EXPECT_EQ(grown.nCaption, QRect(QPoint(3, 5), QPoint(kMax - 1, 23)));
    EXPECT_EQ(grown.nButtons, QRect(QPoint(200 + 753 - 285, 5), QPoint(kMax - 1, 23)));

    crafted.rightTopPoint = { kMin, 30 };
    const TbsFrameGeometry shrunk = CalcResizeGeometry(crafted, picture, 100, 100);
    EXPECT_EQ(shrunk.nRT, QPoint(kMin, 30));
}
