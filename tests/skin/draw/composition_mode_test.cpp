#include "skin/draw/composition_mode.h"

#include <gtest/gtest.h>

namespace {

SkinPieceGeometry Piece(QPoint leftTop, QPoint rightTop, QPoint leftBottom, QPoint rightBottom)
{
    SkinPieceGeometry piece;
    piece.skinRect = SkinRect { 10, 20, 52, 42 }.ToQRect(); // 42 x 22
    piece.leftTop = leftTop;
    piece.rightTop = rightTop;
    piece.leftBottom = leftBottom;
    piece.rightBottom = rightBottom;
    piece.clientRect = SkinRect { 3, 4, 35, 18 }.ToQRect();
    return piece;
}

} // namespace

TEST(CompositionMode, IsDerivedFromThePointsInOrder)
{
    EXPECT_EQ(CompositionModeOf(Piece({ 3, 4 }, { 35, 4 }, { 3, 18 }, { 35, 18 })), CompositionMode::Full);
    // A right-bottom point with one zero coordinate does not make a full piece.
    EXPECT_EQ(CompositionModeOf(Piece({ 3, 0 }, { 35, 0 }, { 0, 0 }, { 35, 0 })), CompositionMode::Horizontal);
    EXPECT_EQ(CompositionModeOf(Piece({ 0, 4 }, { 0, 0 }, { 0, 18 }, { 0, 0 })), CompositionMode::Vertical);
    EXPECT_EQ(CompositionModeOf(Piece({ 3, 4 }, {}, {}, {})), CompositionMode::Fixed);
    SkinPieceGeometry empty = Piece({ 3, 4 }, { 35, 4 }, { 3, 18 }, { 35, 18 });
    empty.skinRect = SkinRect { 10, 20, 10, 42 }.ToQRect();
    EXPECT_EQ(CompositionModeOf(empty), CompositionMode::None);
}

TEST(CompositionMode, TargetGeometryFollowsTheSizeRuleOfEachMode)
{
    SkinPieceGeometry const piece = Piece({ 3, 4 }, { 35, 5 }, { 6, 18 }, { 36, 19 });
    SkinTargetGeometry full = CalcTargetGeometry(CompositionMode::Full, piece, 121, 25);
    EXPECT_EQ(QSize(full.width, full.height), QSize(121, 25));
    EXPECT_EQ(full.leftTop, QPoint(3, 4));
    EXPECT_EQ(full.rightTop, QPoint(114, 5));
    EXPECT_EQ(full.leftBottom, QPoint(6, 21));
    EXPECT_EQ(full.rightBottom, QPoint(115, 22));
    EXPECT_EQ(full.clientRect, (SkinRect { 3, 4, 114, 21 }.ToQRect()));

    SkinTargetGeometry const horizontal = CalcTargetGeometry(CompositionMode::Horizontal, piece, 121, 25);
    EXPECT_EQ(QSize(horizontal.width, horizontal.height), QSize(121, 22));
    EXPECT_EQ(horizontal.rightTop, QPoint(114, 5));
    EXPECT_EQ(horizontal.clientRect, (SkinRect { 3, 4, 114, 18 }.ToQRect()));

    SkinTargetGeometry const vertical = CalcTargetGeometry(CompositionMode::Vertical, piece, 121, 25);
    EXPECT_EQ(QSize(vertical.width, vertical.height), QSize(42, 25));
    EXPECT_EQ(vertical.leftBottom, QPoint(6, 21));
    EXPECT_EQ(vertical.clientRect, (SkinRect { 3, 4, 35, 21 }.ToQRect()));

    SkinTargetGeometry const fixed = CalcTargetGeometry(CompositionMode::Fixed, piece, 121, 25);
    EXPECT_EQ(QSize(fixed.width, fixed.height), QSize(42, 22));
    EXPECT_EQ(fixed.clientRect, piece.clientRect);

    SkinTargetGeometry const none = CalcTargetGeometry(CompositionMode::None, piece, 121, 25);
    EXPECT_EQ(QSize(none.width, none.height), QSize(121, 25));
}

TEST(MapSkinRect, FullModeMovesRectanglesWithTheirCornerZones)
{
    // Zones: LT (0,0)-(3,4), RT (35,0)-(42,4), LB (0,18)-(3,22), RB (35,18)-(42,22).
    SkinPieceGeometry const piece = Piece({ 3, 4 }, { 35, 4 }, { 3, 18 }, { 35, 18 });
    auto const map = [&](SkinRect r) { return MapSkinRect(CompositionMode::Full, piece, r.ToQRect(), 142, 52); };
    // dW = 100, dH = 30.
    EXPECT_EQ(map({ 0, 0, 2, 3 }), (SkinRect { 0, 0, 2, 3 }.ToQRect()));
    EXPECT_EQ(map({ 36, 1, 40, 3 }), (SkinRect { 136, 1, 140, 3 }.ToQRect()));
    EXPECT_EQ(map({ 1, 19, 2, 21 }), (SkinRect { 1, 49, 2, 51 }.ToQRect()));
    EXPECT_EQ(map({ 36, 19, 41, 21 }), (SkinRect { 136, 49, 141, 51 }.ToQRect()));
    // Spanning the whole piece grows both ways.
    EXPECT_EQ(map({ 2, 2, 40, 20 }), (SkinRect { 2, 2, 140, 50 }.ToQRect()));
    // From the left-top zone to the right-top one: wider only.
    EXPECT_EQ(map({ 1, 1, 37, 3 }), (SkinRect { 1, 1, 137, 3 }.ToQRect()));
    // From the left-bottom zone to the right-bottom one: wider and moved down.
    EXPECT_EQ(map({ 1, 19, 37, 21 }), (SkinRect { 1, 49, 137, 51 }.ToQRect()));
    // From the left-top zone to the left-bottom one: taller only.
    EXPECT_EQ(map({ 1, 1, 2, 20 }), (SkinRect { 1, 1, 2, 50 }.ToQRect()));
    // From the right-top zone to the right-bottom one: moved right and taller.
    EXPECT_EQ(map({ 36, 1, 40, 20 }), (SkinRect { 136, 1, 140, 50 }.ToQRect()));
    // A rectangle as large as a zone is not inside it (the far edges are
    // excluded), and reaching no other zone it stays.
    EXPECT_EQ(map({ 0, 0, 3, 4 }), (SkinRect { 0, 0, 3, 4 }.ToQRect()));
    // Its bottom-right corner on the right-top zone's left edge counts with
    // all edges included.
    EXPECT_EQ(map({ 0, 0, 35, 4 }), (SkinRect { 0, 0, 135, 4 }.ToQRect()));
    // Inside the middle: unchanged.
    EXPECT_EQ(map({ 10, 10, 20, 15 }), (SkinRect { 10, 10, 20, 15 }.ToQRect()));
}

TEST(MapSkinRect, HorizontalVerticalAndFixedModes)
{
    SkinPieceGeometry const piece = Piece({ 3, 4 }, { 35, 0 }, { 0, 18 }, {});
    auto const map = [&](CompositionMode mode, SkinRect r, int width, int height) {
        return MapSkinRect(mode, piece, r.ToQRect(), width, height);
    };
    EXPECT_EQ(map(CompositionMode::Horizontal, { 2, 3, 38, 19 }, 121, 22), (SkinRect { 2, 3, 117, 19 }.ToQRect()));
    EXPECT_EQ(map(CompositionMode::Horizontal, { 35, 3, 40, 19 }, 121, 22), (SkinRect { 114, 3, 119, 19 }.ToQRect()));
    EXPECT_EQ(map(CompositionMode::Horizontal, { 5, 3, 20, 19 }, 121, 22), (SkinRect { 5, 3, 20, 19 }.ToQRect()));

    EXPECT_EQ(map(CompositionMode::Vertical, { 2, 3, 38, 19 }, 42, 72), (SkinRect { 2, 3, 38, 69 }.ToQRect()));
    EXPECT_EQ(map(CompositionMode::Vertical, { 2, 18, 38, 21 }, 42, 72), (SkinRect { 2, 68, 38, 71 }.ToQRect()));
    EXPECT_EQ(map(CompositionMode::Vertical, { 2, 6, 38, 10 }, 42, 72), (SkinRect { 2, 6, 38, 10 }.ToQRect()));

    EXPECT_EQ(map(CompositionMode::Fixed, { 2, 3, 38, 19 }, 421, 72), (SkinRect { 2, 3, 38, 19 }.ToQRect()));
}

TEST(RectangleRoutines, PointTestsIncludeOrExcludeTheFarEdges)
{
    SkinRect const r { 1, 2, 5, 6 };
    EXPECT_TRUE(PointInRect({ 5, 6 }, r));
    EXPECT_FALSE(PointInRectExclusive({ 5, 6 }, r));
    EXPECT_TRUE(PointInRectExclusive({ 1, 2 }, r));
    EXPECT_FALSE(PointInRect({ 0, 2 }, r));
    EXPECT_TRUE(RectInRect({ 1, 2, 4, 5 }, r));
    EXPECT_FALSE(RectInRect({ 1, 2, 5, 5 }, r));
}
