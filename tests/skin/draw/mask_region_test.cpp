#include "skin/draw/mask_region.h"
#include "test_pictures.h"

#include <gtest/gtest.h>

#include <QPainter>

namespace {

constexpr QRgb kBlack = 0xff000000;
constexpr QRgb kWhite = 0xffffffff;

// Every pixel of the box (0, 0)-(width, height) is in region exactly when
// inside(x, y) says so; names the first that is not.
::testing::AssertionResult RegionIs(const QRegion& region, int width, int height,
    const std::function<bool(int, int)>& inside)
{
    for (int y = -1; y <= height; ++y)
        for (int x = -1; x <= width; ++x)
            if (region.contains(QPoint(x, y)) != inside(x, y))
                return ::testing::AssertionFailure()
                    << "pixel (" << x << ", " << y << ") is " << (inside(x, y) ? "outside" : "inside");
    return ::testing::AssertionSuccess();
}

} // namespace

TEST(MaskRegion, AllBlackGivesOneFullRowPerRow)
{
    MaskRegionData const data = MaskToRegionData(FilledPicture(7, 4, kBlack), 10, 20);
    ASSERT_EQ(data.rects.size(), 4u);
    for (int y = 0; y < 4; ++y)
        EXPECT_EQ(data.rects[y], QRect(10, 20 + y, 7, 1));
    EXPECT_EQ(data.bounds, QRect(10, 20, 7, 4));
    EXPECT_EQ(data.SizeInBytes(), 32 + 16 * 4);
}

TEST(MaskRegion, NoBlackPixelGivesARegionWithoutRectanglesAndNoMaskGivesNone)
{
    MaskRegionData const white = MaskToRegionData(FilledPicture(5, 5, kWhite), 0, 0);
    EXPECT_TRUE(white.rects.empty());
    EXPECT_EQ(white.SizeInBytes(), 32);
    std::optional<QRegion> const region = RegionFromMask(FilledPicture(5, 5, kWhite));
    ASSERT_TRUE(region.has_value());
    EXPECT_TRUE(region->isEmpty());

    EXPECT_EQ(MaskToRegionData(QImage(), 0, 0).SizeInBytes(), 0);
    EXPECT_FALSE(RegionFromMask(QImage()).has_value());
}

TEST(MaskRegion, RunsOfBlackOnlyAreInsideAndAnyColourIsOutside)
{
    // Row 0: black 0..2, dark grey 3, black 4..5; row 1: nothing; row 2:
    // black from 5 to the end.
    QImage mask = FilledPicture(8, 3, kWhite);
    for (int x : { 0, 1, 2, 4, 5 })
        mask.setPixel(x, 0, kBlack);
    mask.setPixel(3, 0, qRgb(1, 0, 0));
    for (int x = 5; x < 8; ++x)
        mask.setPixel(x, 2, kBlack);
    MaskRegionData const data = MaskToRegionData(mask, 0, 0);
    std::vector<QRect> const expected { QRect(0, 0, 3, 1), QRect(4, 0, 2, 1), QRect(5, 2, 3, 1) };
    EXPECT_EQ(data.rects, expected);
    std::optional<QRegion> const region = RegionFromMask(mask);
    ASSERT_TRUE(region.has_value());
    EXPECT_TRUE(RegionIs(*region, 8, 3, [&](int x, int y) {
        return x >= 0 && y >= 0 && x < 8 && y < 3 && mask.pixel(x, y) == kBlack;
    }));
}

TEST(MaskRegion, MoreRunsThanTheOriginalBufferHeldAreAllKept)
{
    // A checkerboard of 200 x 120 has 12,000 one-pixel runs.
    QImage mask = FilledPicture(200, 120, kWhite);
    for (int y = 0; y < 120; ++y)
        for (int x = (y % 2); x < 200; x += 2)
            mask.setPixel(x, y, kBlack);
    MaskRegionData const data = MaskToRegionData(mask, 0, 0);
    EXPECT_EQ(data.rects.size(), 12000u);
    std::optional<QRegion> const region = RegionFromMask(mask);
    ASSERT_TRUE(region.has_value());
    EXPECT_TRUE(region->contains(QPoint(199, 119)));
    EXPECT_FALSE(region->contains(QPoint(198, 119)));
}

namespace {

// A 20 x 16 mask whose shape is the rectangle minus its four corner pixels,
// with a 10 x 8 middle band on each axis (points on the client corners).
QImage RoundedMask()
{
    QImage mask = FilledPicture(20, 16, kBlack);
    for (QPoint p : { QPoint(0, 0), QPoint(19, 0), QPoint(0, 15), QPoint(19, 15) })
        mask.setPixel(p, kWhite);
    return mask;
}

SkinPieceGeometry RoundedPiece()
{
    SkinPieceGeometry piece;
    piece.skinRect = SkinRect { 0, 0, 20, 16 }.ToQRect();
    piece.clientRect = SkinRect { 5, 4, 15, 12 }.ToQRect();
    piece.leftTop = { 5, 4 };
    piece.rightTop = { 15, 4 };
    piece.leftBottom = { 5, 12 };
    piece.rightBottom = { 15, 12 };
    return piece;
}

bool RoundedInside(int x, int y, int width, int height)
{
    if (x < 0 || y < 0 || x >= width || y >= height)
        return false;
    bool const cornerX = x == 0 || x == width - 1;
    bool const cornerY = y == 0 || y == height - 1;
    return !(cornerX && cornerY);
}

} // namespace

TEST(ComposeMaskRegion, ResizedShapeKeepsItsCornersAndRepeatsItsBands)
{
    SkinPieceGeometry const piece = RoundedPiece();
    for (QSize size : { QSize(20, 16), QSize(47, 33) }) {
        std::optional<QRegion> const shape = ComposeMaskRegion(RoundedMask(), piece,
            CalcTargetGeometry(CompositionMode::Full, piece, size.width(), size.height()));
        ASSERT_TRUE(shape.has_value());
        EXPECT_TRUE(RegionIs(*shape, size.width(), size.height(),
            [&](int x, int y) { return RoundedInside(x, y, size.width(), size.height()); }))
            << size.width() << " x " << size.height();
    }
}

TEST(ComposeMaskRegion, MaskStripsHaveTheirDocumentedSizes)
{
    SkinPieceGeometry const piece = RoundedPiece();
    SkinBorderStrips const strips
        = ComposeMaskBorders(RoundedMask(), piece, CalcTargetGeometry(CompositionMode::Full, piece, 47, 33));
    EXPECT_EQ(strips.top.size(), QSize(47, 4));
    EXPECT_EQ(strips.bottom.size(), QSize(47, 4));
    EXPECT_EQ(strips.left.size(), QSize(5, 25));
    EXPECT_EQ(strips.right.size(), QSize(5, 25));
    EXPECT_TRUE(PixelsAre(strips.top, [](int x, int y) {
        return (x == 0 || x == 46) && y == 0 ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
    }));
    EXPECT_TRUE(ComposeMaskBorders(QImage(), piece, {}).top.isNull());
}

TEST(ComposeMaskRegion, BandsAreRepeatedEvenWhereTheFaceStretches)
{
    // A notch in the top band at column 6 repeats every 10 pixels from x = 5.
    QImage mask = RoundedMask();
    mask.setPixel(6, 0, kWhite);
    SkinPieceGeometry piece = RoundedPiece();
    piece.topStretch = true;
    std::optional<QRegion> const shape
        = ComposeMaskRegion(mask, piece, CalcTargetGeometry(CompositionMode::Full, piece, 40, 16));
    ASSERT_TRUE(shape.has_value());
    EXPECT_TRUE(RegionIs(*shape, 40, 16, [](int x, int y) {
        if (y == 0 && (x == 6 || x == 16 || x == 26))
            return false;
        return RoundedInside(x, y, 40, 16);
    }));
}

TEST(ComposeMaskRegion, NoShapeWhenSmallerThanTheFixedParts)
{
    SkinPieceGeometry const piece = RoundedPiece();
    EXPECT_FALSE(ComposeMaskRegion(RoundedMask(), piece, CalcTargetGeometry(CompositionMode::Full, piece, 9, 30)));
    EXPECT_FALSE(ComposeMaskRegion(RoundedMask(), piece, CalcTargetGeometry(CompositionMode::Full, piece, 30, 7)));
    EXPECT_FALSE(ComposeMaskRegion(QImage(), piece, CalcTargetGeometry(CompositionMode::Full, piece, 30, 30)));
}

TEST(SkinFaceRegion, EachModeShapesItsOwnSize)
{
    SkinPieceGeometry horizontal;
    horizontal.skinRect = SkinRect { 0, 0, 20, 16 }.ToQRect();
    horizontal.leftTop = { 5, 0 };
    horizontal.rightTop = { 15, 0 };
    horizontal.clientRect = SkinRect { 5, 4, 15, 12 }.ToQRect();
    std::optional<QRegion> shape = SkinFaceRegion(RoundedMask(), horizontal, CompositionMode::Horizontal, 50, 40);
    ASSERT_TRUE(shape.has_value());
    EXPECT_TRUE(RegionIs(*shape, 50, 16, [](int x, int y) { return RoundedInside(x, y, 50, 16); }));

    SkinPieceGeometry vertical;
    vertical.skinRect = SkinRect { 0, 0, 20, 16 }.ToQRect();
    vertical.leftTop = { 0, 4 };
    vertical.leftBottom = { 0, 12 };
    vertical.clientRect = SkinRect { 5, 4, 15, 12 }.ToQRect();
    shape = SkinFaceRegion(RoundedMask(), vertical, CompositionMode::Vertical, 50, 40);
    ASSERT_TRUE(shape.has_value());
    EXPECT_TRUE(RegionIs(*shape, 20, 40, [](int x, int y) { return RoundedInside(x, y, 20, 40); }));

    shape = SkinFaceRegion(RoundedMask(), vertical, CompositionMode::Fixed, 50, 40);
    ASSERT_TRUE(shape.has_value());
    EXPECT_TRUE(RegionIs(*shape, 20, 16, [](int x, int y) { return RoundedInside(x, y, 20, 16); }));

    EXPECT_FALSE(SkinFaceRegion(QImage(), vertical, CompositionMode::Fixed, 50, 40).has_value());
    EXPECT_FALSE(SkinFaceRegion(RoundedMask(), vertical, CompositionMode::None, 50, 40).has_value());
}
