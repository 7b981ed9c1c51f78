#include "skin/draw/compose_skin_image.h"
#include "skin/draw/nine_piece_cuts.h"
#include "test_pictures.h"

#include <QRegion>
#include <gtest/gtest.h>

namespace {

// A 30 x 20 piece at (5, 7): borders 4 wide at the left and right and 3 high
// at the top and bottom, the top and bottom bands from x 10 to 20 and the
// side bands from y 4 to 16.
SkinPieceGeometry Piece()
{
    SkinPieceGeometry piece;
    piece.skinRect = SkinRect { 5, 7, 35, 27 }.ToQRect();
    piece.clientRect = SkinRect { 4, 3, 26, 17 }.ToQRect();
    piece.leftTop = { 10, 4 };
    piece.rightTop = { 20, 4 };
    piece.leftBottom = { 10, 16 };
    piece.rightBottom = { 20, 16 };
    return piece;
}

std::vector<SkinCut> AllCuts(const NinePieceCuts& cuts)
{
    std::vector<SkinCut> all { cuts.client };
    for (const SkinEdgeCuts* edge : cuts.Edges())
        all.insert(all.end(), { edge->band, edge->head, edge->tail });
    return all;
}

} // namespace

TEST(NinePieceCuts, CutsTileTheSkinAndTheTargetWithoutGapOrOverlap)
{
    // 50 x 40: 20 wider and 20 higher, so the right points move by 20 and the
    // bottom points down by 20.
    const SkinPieceGeometry piece = Piece();
    const NinePieceCuts cuts = CutNinePieces(piece, CalcTargetGeometry(CompositionMode::Full, piece, 50, 40));

    EXPECT_EQ(cuts.top.band.source, QRect(10, 0, 10, 3));
    EXPECT_EQ(cuts.top.band.target, QRect(10, 0, 30, 3));
    EXPECT_EQ(cuts.top.tail.target, QRect(40, 0, 10, 3));
    EXPECT_EQ(cuts.bottom.band.target, QRect(10, 37, 30, 3));
    // The bottom-left corner is cut as the other three are: the bottom row
    // takes the corner's whole width, the left side only the rest above it.
    EXPECT_EQ(cuts.bottom.head.source, QRect(0, 17, 10, 3));
    EXPECT_EQ(cuts.bottom.head.target, QRect(0, 37, 10, 3));
    EXPECT_EQ(cuts.left.tail.source, QRect(0, 16, 4, 1));
    EXPECT_EQ(cuts.left.tail.target, QRect(0, 36, 4, 1));
    EXPECT_EQ(cuts.left.band.target, QRect(0, 4, 4, 32));
    EXPECT_EQ(cuts.right.band.target, QRect(46, 4, 4, 32));
    EXPECT_EQ(cuts.client.target, QRect(4, 3, 42, 34));

    QRegion source;
    QRegion target;
    int sourceArea = 0;
    int targetArea = 0;
    for (const SkinCut& cut : AllCuts(cuts)) {
        source += cut.source;
        target += cut.target;
        sourceArea += cut.source.width() * cut.source.height();
        targetArea += cut.target.width() * cut.target.height();
    }
    EXPECT_EQ(source, QRegion(0, 0, 30, 20));
    EXPECT_EQ(sourceArea, 30 * 20) << "source pieces overlap";
    EXPECT_EQ(target, QRegion(0, 0, 50, 40));
    EXPECT_EQ(targetArea, 50 * 40) << "target pieces overlap";
}

TEST(NinePieceCuts, BottomBandThatStartsInsideTheLeftBorderShowsAsTheTopBandDoes)
{
    // Both bands start at x 3, inside the 6-pixel left border. At the top the
    // band covers columns 3 to 5 and the corner piece only 0 to 2; the
    // bottom-left corner must be no wider. Stretched from 14 to 34 pixels,
    // the band shows source column 3 + (2 x 2 + 1) x 14 / 68 = 4 at target
    // column 5, where the corner would show column 5.
    SkinPieceGeometry piece;
    piece.skinRect = SkinRect { 0, 0, 20, 20 }.ToQRect();
    piece.clientRect = SkinRect { 6, 6, 14, 14 }.ToQRect();
    piece.leftTop = { 3, 8 };
    piece.rightTop = { 17, 8 };
    piece.leftBottom = { 3, 12 };
    piece.rightBottom = { 17, 12 };
    piece.topStretch = piece.bottomStretch = true;
    const QImage picture = CoordinatePicture(20, 20);
    const SkinTargetGeometry target = CalcTargetGeometry(CompositionMode::Full, piece, 40, 20);
    QImage face;
    ComposeSkinImage(face, picture, piece, target, true);

    EXPECT_EQ(face.pixel(5, 0) & 0xffffffu, At(4, 0) & 0xffffffu) << "top row, column 5";
    EXPECT_EQ(face.pixel(5, 19) & 0xffffffu, At(4, 19) & 0xffffffu)
        << "bottom row, column 5 shows the corner instead of the bottom band";

    // The border strips show the same pixel.
    const SkinBorderStrips strips = ComposeSkinBorders(picture, piece, target);
    ASSERT_FALSE(strips.bottom.isNull());
    EXPECT_EQ(strips.bottom.pixel(5, strips.bottom.height() - 1) & 0xffffffu, At(4, 19) & 0xffffffu);
}
