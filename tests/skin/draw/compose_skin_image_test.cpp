#include "skin/draw/compose_skin_face.h"
#include "skin/draw/compose_skin_image.h"
#include "test_pictures.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

// A 20 x 16 piece at (3, 2) of a 40 x 30 picture whose points sit on the
// corners of its client rectangle (5, 4)-(15, 12), so every axis maps on its
// own: 5-pixel left and right borders, 4-pixel top and bottom borders, a
// 10 x 8 middle.
constexpr SkinRect kSkin { 3, 2, 23, 18 };

SkinPieceGeometry CornerPointPiece()
{
    SkinPieceGeometry piece;
    piece.skinRect = kSkin.ToQRect();
    piece.clientRect = SkinRect { 5, 4, 15, 12 }.ToQRect();
    piece.leftTop = { 5, 4 };
    piece.rightTop = { 15, 4 };
    piece.leftBottom = { 5, 12 };
    piece.rightBottom = { 15, 12 };
    return piece;
}

// Source coordinate (relative to the skin rectangle) of target position t on
// one axis: fixed start of `head` pixels, a middle of `middle` pixels repeated
// or stretched over the target's middle, fixed end after it.
int Tiled(int t, int head, int middle, int skinLength, int targetLength)
{
    int const tail = skinLength - head - middle;
    if (t < head)
        return t;
    if (t >= targetLength - tail)
        return head + middle + t - (targetLength - tail);
    return head + (t - head) % middle;
}

int Stretched(int t, int head, int middle, int skinLength, int targetLength)
{
    int const tail = skinLength - head - middle;
    int const targetMiddle = targetLength - head - tail;
    if (t < head)
        return t;
    if (t >= targetLength - tail)
        return head + middle + t - (targetLength - tail);
    return head + (2 * (t - head) + 1) * middle / (2 * targetMiddle);
}

QRgb SkinAt(int x, int y)
{
    return At(kSkin.left + x, kSkin.top + y);
}

} // namespace

TEST(ComposeSkinImage, HorizontalButtonAt121KeepsEndsAndRepeatsTheMiddleCutAtItsRightEnd)
{
    QImage const picture = CoordinatePicture(50, 30);
    QRect const button = SkinRect { 4, 5, 46, 27 }.ToQRect();
    QImage face;
    ComposeSkinImageHorz(face, picture, button, 3, 42 - 35, 121, false);
    ASSERT_EQ(face.size(), QSize(121, 22));
    EXPECT_TRUE(PixelsAre(face, [&](int x, int y) { return At(4 + Tiled(x, 3, 32, 42, 121), 5 + y); }));
    // The last middle tile starts at 99 and is cut at 114 where the right end begins.
    EXPECT_EQ(face.pixel(113, 0) & 0xffffffu, At(4 + 3 + 14, 5) & 0xffffffu);
    EXPECT_EQ(face.pixel(114, 0) & 0xffffffu, At(4 + 35, 5) & 0xffffffu);
}

TEST(ComposeSkinImage, SkinFaceOfAHorizontalPieceTakesTheSkinHeight)
{
    SkinPieceGeometry piece;
    piece.skinRect = SkinRect { 4, 5, 46, 27 }.ToQRect();
    piece.leftTop = { 3, 0 };
    piece.rightTop = { 35, 0 };
    ASSERT_EQ(CompositionModeOf(piece), CompositionMode::Horizontal);
    QImage const face = ComposeSkinFace(CoordinatePicture(50, 30), piece, CompositionMode::Horizontal,
        piece.skinRect, 121, 25);
    ASSERT_EQ(face.size(), QSize(121, 22));
    EXPECT_TRUE(PixelsAre(face, [&](int x, int y) { return At(4 + Tiled(x, 3, 32, 42, 121), 5 + y); }));

    // Another face of the same geometry composes alike from its own rectangle.
    QImage const pressed = ComposeSkinFace(CoordinatePicture(50, 60), piece, CompositionMode::Horizontal,
        SkinRect { 4, 30, 46, 52 }.ToQRect(), 121, 25);
    EXPECT_TRUE(PixelsAre(pressed, [&](int x, int y) { return At(4 + Tiled(x, 3, 32, 42, 121), 30 + y); }));

    QImage const fixed = ComposeSkinFace(CoordinatePicture(50, 30), piece, CompositionMode::Fixed,
        piece.skinRect, 121, 25);
    ASSERT_EQ(fixed.size(), QSize(42, 22));
    EXPECT_TRUE(PixelsAre(fixed, [](int x, int y) { return At(4 + x, 5 + y); }));
    EXPECT_TRUE(ComposeSkinFace(QImage(), piece, CompositionMode::Fixed, piece.skinRect, 1, 1).isNull());
}

TEST(ComposeSkinImage, HorizontalStretchAndNarrowTargets)
{
    QImage const picture = CoordinatePicture(50, 30);
    QRect const button = SkinRect { 4, 5, 46, 27 }.ToQRect();
    QImage face;
    ComposeSkinImageHorz(face, picture, button, 3, 7, 100, true);
    EXPECT_TRUE(PixelsAre(face, [&](int x, int y) { return At(4 + Stretched(x, 3, 32, 42, 100), 5 + y); }));

    // Narrower than both ends: the right end, drawn last, is cut at the left edge.
    ComposeSkinImageHorz(face, picture, button, 3, 7, 5, false);
    ASSERT_EQ(face.size(), QSize(5, 22));
    EXPECT_TRUE(PixelsAre(face, [&](int x, int y) { return At(4 + 37 + x, 5 + y); }));

    // No middle at all: only the ends are drawn, the rest stays blank.
    ComposeSkinImageHorz(face, picture, button, 20, 22, 60, false);
    EXPECT_TRUE(PixelsAre(face, [&](int x, int y) {
        if (x < 20)
            return At(4 + x, 5 + y);
        if (x >= 38)
            return At(4 + 20 + x - 38, 5 + y);
        return qRgb(0, 0, 0);
    }));
}

TEST(ComposeSkinImage, VerticalKeepsEndsAndRepeatsOrStretchesTheMiddle)
{
    QImage const picture = CoordinatePicture(30, 60);
    QRect const bar = SkinRect { 2, 3, 18, 43 }.ToQRect(); // 16 x 40: top 6, middle 30, bottom 4
    QImage face;
    ComposeSkinImageVert(face, picture, bar, 6, 4, 97, false);
    ASSERT_EQ(face.size(), QSize(16, 97));
    EXPECT_TRUE(PixelsAre(face, [&](int x, int y) { return At(2 + x, 3 + Tiled(y, 6, 30, 40, 97)); }));
    ComposeSkinImageVert(face, picture, bar, 6, 4, 97, true);
    EXPECT_TRUE(PixelsAre(face, [&](int x, int y) { return At(2 + x, 3 + Stretched(y, 6, 30, 40, 97)); }));
}

TEST(ComposeSkinImage, ThreePiecesAreAsThickAsThePictureHoldsOfTheirRectangle)
{
    // A crafted rectangle a million pixels thick over a 30 x 60 picture:
    // across the axis the image keeps the 60 - 5 rows (28 columns) the picture
    // has from the rectangle's start, instead of gigabytes of blank.
    QImage const picture = CoordinatePicture(30, 60);
    QImage face;
    ComposeSkinImageHorz(face, picture, SkinRect { 2, 5, 18, 1 << 20 }.ToQRect(), 6, 4, 97, false);
    ASSERT_EQ(face.size(), QSize(97, 55));
    EXPECT_TRUE(PixelsAre(face, [&](int x, int y) { return At(2 + Tiled(x, 6, 6, 16, 97), 5 + y); }));
    ComposeSkinImageVert(face, picture, SkinRect { 2, 3, 1 << 20, 43 }.ToQRect(), 6, 4, 97, false);
    ASSERT_EQ(face.size(), QSize(28, 97));
    EXPECT_TRUE(PixelsAre(face, [&](int x, int y) { return At(2 + x, 3 + Tiled(y, 6, 30, 40, 97)); }));
}

TEST(ComposeSkinImage, TargetOfTheSkinSizeReproducesTheSkinRectangle)
{
    QImage const picture = CoordinatePicture(40, 30);
    for (bool stretch : { false, true }) {
        SkinPieceGeometry piece = CornerPointPiece();
        piece.leftStretch = piece.topStretch = piece.rightStretch = piece.bottomStretch = stretch;
        piece.stretchEffect = stretch;
        for (StretchType type : { StretchType::stFull, StretchType::stHorz, StretchType::stVert }) {
            piece.stretchType = type;
            QImage face;
            ComposeSkinImage(face, picture, piece, CalcTargetGeometry(CompositionMode::Full, piece, 20, 16), true);
            EXPECT_TRUE(PixelsAre(face, SkinAt)) << "stretch " << stretch << ", type " << int(type);
        }
    }
}

TEST(ComposeSkinImage, NinePiecesRepeatEdgesAndClientCutAtTheirEnds)
{
    SkinPieceGeometry const piece = CornerPointPiece();
    QImage face;
    ComposeSkinImage(face, CoordinatePicture(40, 30), piece, CalcTargetGeometry(CompositionMode::Full, piece, 33, 27),
        true);
    ASSERT_EQ(face.size(), QSize(33, 27));
    EXPECT_TRUE(PixelsAre(face, [](int x, int y) { return SkinAt(Tiled(x, 5, 10, 20, 33), Tiled(y, 4, 8, 16, 27)); }));

    // Without the client only the frame is drawn.
    QImage frame;
    ComposeSkinImage(frame, CoordinatePicture(40, 30), piece,
        CalcTargetGeometry(CompositionMode::Full, piece, 33, 27), false);
    EXPECT_EQ(frame.pixel(5, 4) & 0xffffffu, 0u);
    EXPECT_EQ(frame.pixel(27, 22) & 0xffffffu, 0u);
    EXPECT_EQ(frame.pixel(4, 4), face.pixel(4, 4));
}

TEST(ComposeSkinImage, StretchedEdgesAndClient)
{
    SkinPieceGeometry piece = CornerPointPiece();
    piece.leftStretch = piece.topStretch = piece.rightStretch = piece.bottomStretch = true;
    piece.stretchEffect = true;
    piece.stretchType = StretchType::stFull;
    QImage face;
    ComposeSkinImage(face, CoordinatePicture(40, 30), piece, CalcTargetGeometry(CompositionMode::Full, piece, 33, 27),
        true);
    EXPECT_TRUE(PixelsAre(
        face, [](int x, int y) { return SkinAt(Stretched(x, 5, 10, 20, 33), Stretched(y, 4, 8, 16, 27)); }));

    // Shrinking stretches too.
    ComposeSkinImage(face, CoordinatePicture(40, 30), piece, CalcTargetGeometry(CompositionMode::Full, piece, 14, 11),
        true);
    EXPECT_TRUE(PixelsAre(
        face, [](int x, int y) { return SkinAt(Stretched(x, 5, 10, 20, 14), Stretched(y, 4, 8, 16, 11)); }));
}

TEST(ComposeSkinImage, EachStretchTypeOfTheClientPiece)
{
    SkinPieceGeometry piece = CornerPointPiece();
    piece.stretchEffect = true;
    auto const inClient = [](int x, int y) { return x >= 5 && x < 28 && y >= 4 && y < 23; };
    auto const frame = [](int x, int y) { return SkinAt(Tiled(x, 5, 10, 20, 33), Tiled(y, 4, 8, 16, 27)); };
    // Relative to the target client rectangle, whose middle is 23 x 19.
    auto const tileX = [](int x) { return 5 + (x - 5) % 10; };
    auto const tileY = [](int y) { return 4 + (y - 4) % 8; };
    auto const stretchX = [](int x) { return 5 + (2 * (x - 5) + 1) * 10 / (2 * 23); };
    auto const stretchY = [](int y) { return 4 + (2 * (y - 4) + 1) * 8 / (2 * 19); };

    struct Case {
        StretchType type;
        std::function<QRgb(int, int)> client;
    };
    Case const cases[] = {
        { StretchType::stFull, [&](int x, int y) { return SkinAt(stretchX(x), stretchY(y)); } },
        { StretchType::stHorz, [&](int x, int y) { return SkinAt(tileX(x), stretchY(y)); } },
        { StretchType::stVert, [&](int x, int y) { return SkinAt(stretchX(x), tileY(y)); } },
    };
    for (Case const& c : cases) {
        piece.stretchType = c.type;
        QImage face;
        ComposeSkinImage(face, CoordinatePicture(40, 30), piece,
            CalcTargetGeometry(CompositionMode::Full, piece, 33, 27), true);
        EXPECT_TRUE(PixelsAre(face, [&](int x, int y) { return inClient(x, y) ? c.client(x, y) : frame(x, y); }))
            << "stretch type " << int(c.type);
    }
}

TEST(ComposeSkinImage, CornerPiecesBesideTheBandsLandNextToTheMovedPoints)
{
    // Points inside the borders: the top band (6..14) is narrower than the
    // client (4..16) and the left band (5..10) shorter than it (3..13).
    SkinPieceGeometry piece;
    piece.skinRect = kSkin.ToQRect();
    piece.clientRect = SkinRect { 4, 3, 16, 13 }.ToQRect();
    piece.leftTop = { 6, 5 };
    piece.rightTop = { 14, 5 };
    piece.leftBottom = { 6, 10 };
    piece.rightBottom = { 14, 10 };
    QImage face;
    ComposeSkinImage(face, CoordinatePicture(40, 30), piece, CalcTargetGeometry(CompositionMode::Full, piece, 30, 25),
        true);
    struct Probe {
        int x, y, sourceX, sourceY;
    };
    Probe const probes[] = {
        { 0, 0, 0, 0 }, // top-left corner
        { 5, 2, 5, 2 },
        { 6, 0, 6, 0 }, // top band, first tile
        { 22, 1, 6 + 16 % 8, 1 }, // top band, third tile
        { 23, 0, 7, 0 }, // top band, last tile cut at 24
        { 24, 0, 14, 0 }, // top-right corner starts at the moved right-top point
        { 29, 2, 19, 2 },
        { 1, 3, 1, 3 }, // below the top-left corner, above the left band
        { 26, 4, 16, 4 }, // right of the client, above the right band
        { 2, 5, 2, 5 }, // left band
        { 2, 18, 2, 5 + 13 % 5 }, // left band, last tile cut at 19
        { 2, 19, 2, 10 }, // bottom-left corner starts at the moved left-bottom point
        { 5, 23, 5, 14 }, // bottom band's left neighbour
        { 25, 22, 15, 13 }, // bottom-right corner
        { 4, 3, 4, 3 }, // client, first tile
        { 17, 14, 4 + 13 % 12, 3 + 11 % 10 },
    };
    for (Probe const& p : probes)
        EXPECT_EQ(face.pixel(p.x, p.y) & 0xffffffu, SkinAt(p.sourceX, p.sourceY) & 0xffffffu)
            << "pixel (" << p.x << ", " << p.y << ")";
}

TEST(ComposeSkinImage, PartsWithZeroTileSizeStayBlank)
{
    SkinPieceGeometry piece = CornerPointPiece();
    piece.rightTop = piece.leftTop; // no top band
    piece.clientRect = SkinRect { 5, 4, 5, 12 }.ToQRect(); // a client piece without width
    QImage face;
    ComposeSkinImage(face, CoordinatePicture(40, 30), piece, CalcTargetGeometry(CompositionMode::Full, piece, 60, 40),
        true);
    ASSERT_EQ(face.size(), QSize(60, 40));
    EXPECT_EQ(face.pixel(10, 1) & 0xffffffu, 0u);
    EXPECT_EQ(face.pixel(30, 20) & 0xffffffu, 0u);

    // Points that leave no band in either direction: nothing at all is drawn.
    piece = CornerPointPiece();
    piece.rightBottom = { 5, 12 };
    ComposeSkinImage(face, CoordinatePicture(40, 30), piece, CalcTargetGeometry(CompositionMode::Full, piece, 33, 27),
        true);
    EXPECT_TRUE(PixelsAre(face, [](int, int) { return qRgb(0, 0, 0); }));
}

TEST(ComposeSkinImage, PiecesOutsideThePictureAreBlackAndNothingIsWrittenOutsideTheImage)
{
    // The skin rectangle runs past the 12 x 10 picture's right and bottom edges.
    SkinPieceGeometry piece = CornerPointPiece();
    piece.skinRect = SkinRect { 2, 1, 22, 17 }.ToQRect();
    QImage face;
    ComposeSkinImage(face, CoordinatePicture(12, 10), piece, CalcTargetGeometry(CompositionMode::Full, piece, 33, 27),
        true);
    EXPECT_TRUE(PixelsAre(face, [](int x, int y) {
        int const sx = 2 + Tiled(x, 5, 10, 20, 33);
        int const sy = 1 + Tiled(y, 4, 8, 16, 27);
        return sx < 12 && sy < 10 ? At(sx, sy) : qRgb(0, 0, 0);
    }));

    // A target smaller than the borders puts pieces partly outside the image.
    ComposeSkinImage(face, CoordinatePicture(40, 30), CornerPointPiece(),
        CalcTargetGeometry(CompositionMode::Full, CornerPointPiece(), 6, 5), true);
    ASSERT_EQ(face.size(), QSize(6, 5));
    EXPECT_EQ(face.pixel(5, 4) & 0xffffffu, SkinAt(19, 15) & 0xffffffu);
}

TEST(ComposeSkinImage, StretchedCompositionUsesTheClientCornersAsPoints)
{
    QImage face;
    ComposeSkinImageStretched(
        face, CoordinatePicture(40, 30), kSkin.ToQRect(), SkinRect { 5, 4, 15, 12 }.ToQRect(), 33, 27, true);
    EXPECT_TRUE(PixelsAre(
        face, [](int x, int y) { return SkinAt(Stretched(x, 5, 10, 20, 33), Stretched(y, 4, 8, 16, 27)); }));

    // A crafted client edge at the int limit is refused before the stretch
    // is added to it (the sanitizer build fails on the overflow otherwise).
    int const farRight = std::numeric_limits<int>::max() - 2;
    QImage refused;
    ComposeSkinImageStretched(
        refused, CoordinatePicture(40, 30), kSkin.ToQRect(), SkinRect { 5, 4, farRight, 12 }.ToQRect(), 33, 27, true);
    ASSERT_EQ(refused.size(), QSize(33, 27));
    EXPECT_TRUE(PixelsAre(refused, [](int, int) { return qRgb(0, 0, 0); }));
}

TEST(ComposeSkinBorders, StripsLayTheirBandsFromTheirOwnOrigin)
{
    SkinPieceGeometry const piece = CornerPointPiece();
    SkinBorderStrips const strips
        = ComposeSkinBorders(CoordinatePicture(40, 30), piece, CalcTargetGeometry(CompositionMode::Full, piece, 33, 27));
    ASSERT_EQ(strips.top.size(), QSize(33, 4));
    ASSERT_EQ(strips.bottom.size(), QSize(33, 4));
    ASSERT_EQ(strips.left.size(), QSize(5, 19));
    ASSERT_EQ(strips.right.size(), QSize(5, 19));
    auto const across = [](int x) { return x < 5 ? x : x >= 28 ? 15 + x - 28 : 5 + x % 10; };
    EXPECT_TRUE(PixelsAre(strips.top, [&](int x, int y) { return SkinAt(across(x), y); }));
    EXPECT_TRUE(PixelsAre(strips.bottom, [&](int x, int y) { return SkinAt(across(x), 12 + y); }));
    EXPECT_TRUE(PixelsAre(strips.left, [](int x, int y) { return SkinAt(x, 4 + y % 8); }));
    EXPECT_TRUE(PixelsAre(strips.right, [](int x, int y) { return SkinAt(15 + x, 4 + y % 8); }));
}

TEST(ComposeSkinBorders, StretchedBandsFillTheSpanBetweenTheTargetPoints)
{
    SkinPieceGeometry piece = CornerPointPiece();
    piece.leftTop = { 5, 6 }; // the left band is rows 6..9, with fixed parts 4..6 and 10..12
    piece.leftBottom = { 5, 10 };
    piece.topStretch = piece.leftStretch = true;
    SkinBorderStrips const strips
        = ComposeSkinBorders(CoordinatePicture(40, 30), piece, CalcTargetGeometry(CompositionMode::Full, piece, 33, 27));
    EXPECT_TRUE(PixelsAre(strips.top, [](int x, int y) { return SkinAt(Stretched(x, 5, 10, 20, 33), y); }));
    ASSERT_EQ(strips.left.height(), 19);
    EXPECT_TRUE(PixelsAre(strips.left, [](int x, int y) {
        if (y < 2)
            return SkinAt(x, 4 + y);
        if (y >= 17)
            return SkinAt(x, 10 + y - 17);
        return SkinAt(x, 6 + (2 * (y - 2) + 1) * 4 / (2 * 15));
    }));
}

TEST(ComposeSkinBorders, StripsWithoutSizeOrBandAreNotComposedAndLeaveTheirRoom)
{
    SkinPieceGeometry piece = CornerPointPiece();
    piece.clientRect.setTop(0); // no top strip
    piece.leftBottom = piece.leftTop; // the left band is empty
    SkinBorderStrips const strips
        = ComposeSkinBorders(CoordinatePicture(40, 30), piece, CalcTargetGeometry(CompositionMode::Full, piece, 33, 27));
    EXPECT_TRUE(strips.top.isNull());
    EXPECT_TRUE(strips.left.isNull());
    ASSERT_EQ(strips.right.size(), QSize(5, 23));
    // Rows 0..3 of the skin sit above the right band and are copied over its tiles.
    EXPECT_TRUE(PixelsAre(strips.right, [](int x, int y) { return SkinAt(15 + x, y < 4 ? y : 4 + y % 8); }));
    EXPECT_TRUE(ComposeSkinBorders(QImage(), piece, {}).right.isNull());
}

TEST(FillSkinBackground, RepeatsFromTheOriginCutAtTheTargetSize)
{
    QImage const picture = CoordinatePicture(30, 20);
    QRect const origin = SkinRect { 2, 3, 30, 20 }.ToQRect();
    QRect const piece = SkinRect { 1, 1, 5, 4 }.ToQRect(); // picture (3, 4) .. (7, 7)
    QImage background;
    FillSkinBackground(background, picture, piece, origin, SkinRect { 3, 3, 13, 10 }.ToQRect(),
        12, 9, false, StretchType::stFull);
    ASSERT_EQ(background.size(), QSize(12, 9));
    EXPECT_TRUE(PixelsAre(background, [](int x, int y) {
        return x < 10 && y < 7 ? At(3 + x % 4, 4 + y % 3) : qRgb(0, 0, 0);
    }));

    background = QImage();
    FillSkinBackground(background, picture, piece, origin, SkinRect { 1, 1, 9, 7 }.ToQRect(),
        12, 9, true, StretchType::stFull);
    EXPECT_TRUE(PixelsAre(background, [](int x, int y) {
        if (x < 1 || x >= 9 || y < 1 || y >= 7)
            return qRgb(0, 0, 0);
        return At(3 + (2 * (x - 1) + 1) * 4 / 16, 4 + (2 * (y - 1) + 1) * 3 / 12);
    }));

    background = QImage();
    FillSkinBackground(background, picture, piece, origin, SkinRect { 1, 1, 11, 7 }.ToQRect(),
        12, 9, true, StretchType::stHorz);
    EXPECT_TRUE(PixelsAre(background, [](int x, int y) {
        if (x < 1 || x >= 11 || y < 1 || y >= 7)
            return qRgb(0, 0, 0);
        return At(3 + (x - 1) % 4, 4 + (2 * (y - 1) + 1) * 3 / 12);
    }));

    // An image that already has the size keeps what it holds; an empty target draws nothing.
    QImage const before = background;
    FillSkinBackground(background, picture, piece, origin, SkinRect { 0, 0, 0, 5 }.ToQRect(),
        12, 9, false, StretchType::stFull);
    EXPECT_EQ(background, before);
    background = QImage();
    FillSkinBackground(background, picture, piece, origin, SkinRect { 0, 0, 0, 5 }.ToQRect(),
        12, 9, false, StretchType::stFull);
    EXPECT_TRUE(PixelsAre(background, [](int, int) { return qRgb(0, 0, 0); }));
}

TEST(ComposeSkinImage, CorruptGeometryIsNeitherResizedNorDrawn)
{
    SkinPieceGeometry piece = CornerPointPiece();
    piece.rightTop = { 2147483000, 4 };
    EXPECT_EQ(CompositionModeOf(piece), CompositionMode::None);
    SkinTargetGeometry const target = CalcTargetGeometry(CompositionMode::Full, piece, 33, 27);
    EXPECT_EQ(QSize(target.width, target.height), QSize(33, 27));
    EXPECT_EQ(target.rightTop, piece.rightTop);
    EXPECT_EQ(MapSkinRect(CompositionMode::Full, piece, SkinRect { 1, 2, 3, 4 }.ToQRect(), 500, 500),
        (SkinRect { 1, 2, 3, 4 }.ToQRect()));

    QImage face;
    ComposeSkinImage(face, CoordinatePicture(40, 30), piece, target, true);
    EXPECT_TRUE(PixelsAre(face, [](int, int) { return qRgb(0, 0, 0); }));
    ComposeSkinImageHorz(
        face, CoordinatePicture(40, 30), SkinRect { 0, 0, 20, 10 }.ToQRect(), -2000000000, 3, 50, false);
    EXPECT_TRUE(PixelsAre(face, [](int, int) { return qRgb(0, 0, 0); }));
    EXPECT_TRUE(ComposeSkinBorders(CoordinatePicture(40, 30), piece, target).top.isNull());

    // A piece far larger than memory, partly outside its picture: what lies
    // outside the picture is black, and only the pixels shown are read.
    QImage small = MakeSkinBitmap(4, 4);
    DrawPiece(small, small.rect(), CoordinatePicture(4, 4), QRect(-1, -1, 1 << 20, 1 << 20));
    EXPECT_TRUE(PixelsAre(small, [](int, int) { return qRgb(0, 0, 0); }));
    TilePiece(small, small.rect(), CoordinatePicture(4, 4), QRect(-1, -1, 1 << 20, 1 << 20));
    EXPECT_TRUE(PixelsAre(small, [](int x, int y) { return x > 0 && y > 0 ? qRgb(x - 1, y - 1, 7) : qRgb(0, 0, 0); }));
}

TEST(ComposeSkinImage, PiecesMoveBetweenPicturesOfAnyFormat)
{
    QImage const source = CoordinatePicture(8, 8).convertToFormat(QImage::Format_RGB888);
    QImage destination(6, 5, QImage::Format_RGB888);
    destination.fill(Qt::white);
    DrawPiece(destination, QRect(1, 1, 3, 3), source, QRect(4, 2, 3, 3));
    TilePiece(destination, QRect(4, 0, 2, 5), source, QRect(0, 0, 2, 2));
    EXPECT_EQ(destination.format(), kSkinBitmapFormat);
    EXPECT_TRUE(PixelsAre(destination, [](int x, int y) {
        if (x >= 4)
            return At(x - 4, y % 2);
        if (x >= 1 && x < 4 && y >= 1 && y < 4)
            return At(3 + x, 1 + y);
        return qRgb(255, 255, 255);
    }));
}
