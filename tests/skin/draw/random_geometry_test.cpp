#include "base/random_generator.h"
#include "skin/draw/compose_skin_face.h"
#include "skin/draw/compose_skin_image.h"
#include "skin/draw/image_turns.h"
#include "skin/draw/mask_region.h"
#include "skin/draw/morph.h"
#include "skin/draw/pixel_effects.h"
#include "test_pictures.h"

#include <gtest/gtest.h>

#include <random>

// Geometry straight from a careless or corrupt skin: points outside the
// skin rectangle, client rectangles turned inside out, skin rectangles
// reaching past the picture, targets smaller than the borders. Every routine
// must keep to its images (the sanitizer build checks each access) and give
// the size it promises.
TEST(RandomGeometry, EveryRoutineStaysInsideItsImages)
{
    std::mt19937 random(20261207);
    auto const value = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    auto const point = [&] { return QPoint(value(-5, 30), value(-5, 30)); };
    auto const rect = [&] { return SkinRect { value(-5, 30), value(-5, 30), value(-5, 30), value(-5, 30) }.ToQRect(); };
    QImage const picture = CoordinatePicture(24, 20);
    QImage mask = FilledPicture(24, 20, 0xff000000);
    mask.setPixel(0, 0, 0xffffffff);

    for (int round = 0; round < 3000; ++round) {
        SkinPieceGeometry piece;
        piece.skinRect = rect();
        piece.leftTop = point();
        piece.rightTop = point();
        piece.leftBottom = point();
        piece.rightBottom = point();
        piece.clientRect = rect();
        piece.leftStretch = value(0, 1);
        piece.topStretch = value(0, 1);
        piece.rightStretch = value(0, 1);
        piece.bottomStretch = value(0, 1);
        piece.stretchEffect = value(0, 1);
        piece.stretchType = static_cast<StretchType>(value(0, 2));
        int const width = value(0, 60);
        int const height = value(0, 60);
        SCOPED_TRACE(testing::Message() << "round " << round);

        SkinTargetGeometry const target = CalcTargetGeometry(CompositionMode::Full, piece, width, height);
        QImage face;
        ComposeSkinImage(face, picture, piece, target, true);
        EXPECT_EQ(face.size(), width && height ? QSize(width, height) : QSize(0, 0));

        SkinBorderStrips const strips = ComposeSkinBorders(picture, piece, target);
        EXPECT_TRUE(strips.top.isNull() || strips.top.width() == width);
        EXPECT_TRUE(strips.bottom.isNull() || strips.bottom.width() == width);

        ComposeSkinImageHorz(face, picture, piece.skinRect, piece.leftTop.x(), piece.rightTop.x(), width,
            piece.stretchEffect);
        ComposeSkinImageVert(face, picture, piece.skinRect, piece.leftTop.y(), piece.leftBottom.y(), height,
            piece.stretchEffect);
        FillSkinBackground(face, picture, piece.clientRect, piece.skinRect, rect(), width, height,
            piece.stretchEffect, piece.stretchType);
        ComposeMaskRegion(mask, piece, target);
        for (CompositionMode mode : { CompositionMode::Fixed, CompositionMode::Full, CompositionMode::Horizontal,
                 CompositionMode::Vertical }) {
            SkinFaceRegion(mask, piece, mode, width, height);
            ComposeSkinFace(picture, piece, mode, rect(), width, height);
        }
    }
}

TEST(RandomGeometry, EffectsAndMorphsOnTinyAndOddSizesStayInside)
{
    RandomGenerator noise = RandomGenerator::Deterministic(7);
    for (int width = 0; width <= 4; ++width) {
        for (int height = 0; height <= 4; ++height) {
            SCOPED_TRACE(testing::Message() << width << " x " << height);
            QImage const original = CoordinatePicture(width, height);
            for (int amount = 0; amount <= 5; ++amount) {
                QImage image = original;
                ApplySplitBlur(image, amount);
                ApplyNoise(image, amount, noise);
                EXPECT_EQ(image.size(), original.size());
            }
            for (int kind = 0; kind <= static_cast<int>(MorphKind::mkPush); ++kind) {
                for (double progress : { -0.5, 0.0, 0.01, 0.5, 0.99, 1.0, 1.5 }) {
                    QImage current = original;
                    Morph(current, CoordinatePicture(width, height, 9), progress, static_cast<MorphKind>(kind));
                    EXPECT_EQ(current.size(), original.size());
                }
            }
            EXPECT_EQ(TurnLeft(original).size(), original.size().transposed());
            EXPECT_EQ(TurnRight(original).size(), original.size().transposed());
        }
    }
}
