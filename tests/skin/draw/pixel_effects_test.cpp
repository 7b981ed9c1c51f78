#include "base/random_generator.h"
#include "skin/draw/image_turns.h"
#include "skin/draw/pixel_effects.h"
#include "test_pictures.h"

#include <gtest/gtest.h>

namespace {

QRgb Color(const QImage& image, int x, int y = 0)
{
    return image.pixel(x, y) & 0xffffffu;
}

QRgb Rgb(int r, int g, int b)
{
    return qRgb(r, g, b) & 0xffffffu;
}

} // namespace

TEST(PixelEffects, BrightnessMovesHalfwayToWhiteRoundingTiesToEven)
{
    QImage image = PictureRow({ qRgb(101, 0, 255), qRgb(2, 1, 3) });
    ApplyBrightness(image, 0.5);
    // 101 -> 178; 0 -> 127.5 -> 128; 255 stays; 2 -> 128.5 -> 128; 1 -> 128; 3 -> 129.
    EXPECT_EQ(Color(image, 0), Rgb(178, 128, 255));
    EXPECT_EQ(Color(image, 1), Rgb(128, 128, 129));

    QImage clamped = PictureRow({ qRgb(10, 20, 30) });
    ApplyBrightness(clamped, 7.0);
    EXPECT_EQ(Color(clamped, 0), Rgb(255, 255, 255));
}

TEST(PixelEffects, DarknessKeepsSevenTenthsRoundingTiesToEven)
{
    QImage image = PictureRow({ qRgb(100, 5, 15), qRgb(255, 0, 25) });
    ApplyDarkness(image, 0.3);
    // 100 -> 70; 5 -> 3.5 -> 4; 15 -> 10.5 -> 10; 255 -> 178.5 -> 178; 25 -> 17.5 -> 18.
    EXPECT_EQ(Color(image, 0), Rgb(70, 4, 10));
    EXPECT_EQ(Color(image, 1), Rgb(178, 0, 18));
}

TEST(PixelEffects, GrayScaleWeighsTheChannels)
{
    QImage image = PictureRow({ qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(10, 20, 30), qRgb(255, 0, 0), qRgb(5, 0, 0) });
    ApplyGrayScale(image);
    EXPECT_EQ(Color(image, 0), Rgb(150, 150, 150));
    EXPECT_EQ(Color(image, 1), Rgb(28, 28, 28));
    EXPECT_EQ(Color(image, 2), Rgb(18, 18, 18));
    EXPECT_EQ(Color(image, 3), Rgb(76, 76, 76)); // 76.5 goes to the even 76
    EXPECT_EQ(Color(image, 4), Rgb(2, 2, 2)); // 1.5 goes to 2
}

TEST(PixelEffects, InvertFlipsEveryChannel)
{
    QImage image = PictureRow({ qRgb(0, 128, 255) });
    ApplyInvert(image);
    EXPECT_EQ(Color(image, 0), Rgb(255, 127, 0));
}

TEST(PixelEffects, NoiseAddsOneDrawPerPixelToAllChannelsClamped)
{
    QImage image = PictureRow({ qRgb(0, 128, 255), qRgb(3, 100, 250), qRgb(20, 30, 40), qRgb(128, 128, 128) });
    image = image.scaled(4, 2);
    QImage const original = image;
    RandomGenerator random = RandomGenerator::Deterministic(12345);
    RandomGenerator replay = RandomGenerator::Deterministic(12345);
    ApplyNoise(image, 50, random);
    bool sawNegative = false;
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 4; ++x) {
            int const n = static_cast<int>(replay.Draw(50)) - 25;
            ASSERT_GE(n, -25);
            ASSERT_LE(n, 24);
            sawNegative |= n < 0;
            QRgb const before = original.pixel(x, y);
            EXPECT_EQ(Color(image, x, y),
                Rgb(std::clamp(qRed(before) + n, 0, 255), std::clamp(qGreen(before) + n, 0, 255),
                    std::clamp(qBlue(before) + n, 0, 255)))
                << "pixel (" << x << ", " << y << ")";
        }
    }
    EXPECT_TRUE(sawNegative);

    QImage untouched = original;
    ApplyNoise(untouched, 0, random);
    EXPECT_EQ(untouched, original);
}

TEST(PixelEffects, SplitBlurAveragesFourSamplesTopDownInPlace)
{
    // 3 x 3 with blue = 4 * (index + 1), red and green 0.
    QImage image(3, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            image.setPixel(x, y, qRgb(0, 0, 4 * (y * 3 + x + 1)));
    auto const blue = [](const QImage& img, int x, int y) { return qBlue(img.pixel(x, y)); };
    QImage const o = image;
    ApplySplitBlur(image, 1);
    // Column samples: x = 0 -> (0, 1); x = 1 -> (0, 2); x = 2 -> (1, 3 - 2 = 1).
    auto const columns = [](int x) { return x == 0 ? std::pair(0, 1) : x == 1 ? std::pair(0, 2) : std::pair(1, 1); };
    // Row 0 samples rows 0 and 1 of the original.
    int row0[3];
    for (int x = 0; x < 3; ++x) {
        auto [x1, x2] = columns(x);
        row0[x] = (blue(o, x1, 0) + blue(o, x1, 1) + blue(o, x2, 0) + blue(o, x2, 1)) >> 2;
        EXPECT_EQ(blue(image, x, 0), row0[x]) << "pixel (" << x << ", 0)";
    }
    // Row 1 samples blurred row 0 and original row 2.
    int row1[3];
    for (int x = 0; x < 3; ++x) {
        auto [x1, x2] = columns(x);
        row1[x] = (row0[x1] + blue(o, x1, 2) + row0[x2] + blue(o, x2, 2)) >> 2;
        EXPECT_EQ(blue(image, x, 1), row1[x]) << "pixel (" << x << ", 1)";
    }
    // Row 2 samples blurred row 1 both times (3 - 2 = 1).
    for (int x = 0; x < 3; ++x) {
        auto [x1, x2] = columns(x);
        EXPECT_EQ(blue(image, x, 2), (2 * row1[x1] + 2 * row1[x2]) >> 2) << "pixel (" << x << ", 2)";
    }
    EXPECT_EQ(qRed(image.pixel(1, 1)), 0);
}

TEST(PixelEffects, SplitBlurLeavesBuffersTooSmallForItsAmountUnchanged)
{
    for (QSize size : { QSize(1, 5), QSize(5, 1), QSize(3, 3) }) {
        QImage image = CoordinatePicture(size.width(), size.height());
        QImage const original = image;
        ApplySplitBlur(image, size == QSize(3, 3) ? 3 : 1);
        EXPECT_EQ(image, original) << size.width() << " x " << size.height();
    }
}

TEST(PixelEffects, InactiveEffectPicksTheFrameAmounts)
{
    QImage image = PictureRow({ qRgb(100, 101, 0) });
    ApplyInactiveEffect(image, InactiveEffect::ieDarkness);
    EXPECT_EQ(Color(image, 0), Rgb(70, 71, 0));
    ApplyInactiveEffect(image, InactiveEffect::ieBrightness);
    EXPECT_EQ(Color(image, 0), Rgb(162, 163, 128));
    ApplyInactiveEffect(image, InactiveEffect::ieInvert);
    EXPECT_EQ(Color(image, 0), Rgb(93, 92, 127));
}

TEST(PixelEffects, EffectsAcceptPicturesOfAnotherFormat)
{
    QImage image(2, 1, QImage::Format_RGB888);
    image.fill(qRgb(10, 20, 30));
    ApplyGrayScale(image);
    EXPECT_EQ(Color(image, 1), Rgb(18, 18, 18));
}

TEST(ImageTurns, TurnsAndFlipMovePixelsWhereTheySay)
{
    QImage const source = CoordinatePicture(3, 2);
    QImage const left = TurnLeft(source);
    ASSERT_EQ(left.size(), QSize(2, 3));
    EXPECT_TRUE(PixelsAre(left, [](int x, int y) { return At(3 - 1 - y, x); }));
    QImage const right = TurnRight(source);
    ASSERT_EQ(right.size(), QSize(2, 3));
    EXPECT_TRUE(PixelsAre(right, [](int x, int y) { return At(y, 2 - 1 - x); }));
    QImage const flipped = FlipVertically(source);
    EXPECT_TRUE(PixelsAre(flipped, [](int x, int y) { return At(x, 2 - 1 - y); }));
}
