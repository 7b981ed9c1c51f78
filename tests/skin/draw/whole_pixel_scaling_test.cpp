#include "skin/draw/whole_pixel_scaling.h"

#include "gui_application.h"
#include "skin/draw/compose_skin_image.h"
#include "skin/draw/engine_bitmap.h"
#include "skin/draw/keyed_copy.h"

#include <QPainter>
#include <functional>
#include <gtest/gtest.h>
#include <limits>

namespace {

// A picture whose every pixel has its own colour, so a pixel taken from the
// wrong place shows.
QImage Numbered(int width, int height, QImage::Format format = QImage::Format_RGB32)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb(10 + 20 * x, 10 + 20 * y, 5 * (x + y)));
    return picture.convertToFormat(format);
}

// Empty when region (in picture's pixels) of scaled shows picture's pixels
// each repeated ratio times from device pixel origin; else the first wrong pixel.
std::string FirstUndoubled(const QImage& scaled, const QPoint& origin, const QImage& picture, int ratio)
{
    for (int y = 0; y < picture.height() * ratio; ++y)
        for (int x = 0; x < picture.width() * ratio; ++x) {
            const QRgb got = scaled.pixel(origin.x() + x, origin.y() + y) & 0xFFFFFFu;
            const QRgb want = picture.pixel(x / ratio, y / ratio) & 0xFFFFFFu;
            if (got != want)
                return "device pixel (" + std::to_string(origin.x() + x) + ", " + std::to_string(origin.y() + y)
                    + ") is " + std::to_string(got) + ", picture pixel (" + std::to_string(x / ratio) + ", "
                    + std::to_string(y / ratio) + ") is " + std::to_string(want);
        }
    return {};
}

} // namespace

TEST(WholePixelScaling, RatiosRoundUpToAWholeFactorWithinBounds)
{
    EXPECT_EQ(WholePixelRatio(1.0), 1);
    EXPECT_EQ(WholePixelRatio(2.0), 2);
    EXPECT_EQ(WholePixelRatio(1.5), 2) << "a fractional ratio draws at the whole ratio above";
    EXPECT_EQ(WholePixelRatio(1.25), 2);
    EXPECT_EQ(WholePixelRatio(2.75), 3);
    EXPECT_EQ(WholePixelRatio(2.0000001), 2) << "a rounding error past 2 is 2";
    EXPECT_EQ(WholePixelRatio(0.5), 1);
    EXPECT_EQ(WholePixelRatio(std::numeric_limits<qreal>::quiet_NaN()), 1);
    EXPECT_EQ(WholePixelRatio(1e9), kMaxWholePixelRatio);
}

TEST(WholePixelScaling, EveryPixelBecomesASquareOfTheRatio)
{
    for (const QImage::Format format : { QImage::Format_RGB32, QImage::Format_Indexed8 }) {
        const QImage picture = Numbered(4, 3, format);
        const QImage scaled = ScaleByWholePixels(picture, 3);
        ASSERT_EQ(scaled.size(), QSize(12, 9));
        EXPECT_EQ(scaled.devicePixelRatio(), 3.0);
        EXPECT_EQ(scaled.deviceIndependentSize(), QSizeF(4, 3)) << "the same logical area";
        EXPECT_EQ(FirstUndoubled(scaled, QPoint(), picture, 3), "") << "format " << format;
    }
    const QImage picture = Numbered(2, 2);
    EXPECT_EQ(ScaleByWholePixels(picture, 1).cacheKey(), picture.cacheKey()) << "ratio 1 is the picture itself";
    const QImage twice = ScaleByWholePixels(picture, 2);
    EXPECT_EQ(ScaleByWholePixels(twice, 2).cacheKey(), twice.cacheKey()) << "a face already enlarged stays as it is";
}

TEST(WholePixelScaling, CacheKeepsOneEnlargementPerPictureAndRatio)
{
    ScaledPictureCache cache;
    const QImage picture = Numbered(5, 4);
    const QImage first = cache.Scaled(picture, 2);
    const QImage again = cache.Scaled(picture, 2);
    EXPECT_EQ(again.cacheKey(), first.cacheKey()) << "the same picture and ratio give the cached image";
    EXPECT_EQ(again.constBits(), first.constBits());
    EXPECT_EQ(cache.Scaled(picture, WholePixelRatio(1.5)).cacheKey(), first.cacheKey())
        << "a fractional ratio uses the enlargement of the whole ratio above";
    EXPECT_EQ(cache.Count(), 1);

    EXPECT_EQ(cache.Scaled(picture, 3).size(), QSize(15, 12));
    EXPECT_EQ(cache.Count(), 2);

    QImage changed = picture;
    changed.setPixel(0, 0, qRgb(1, 2, 3));
    const QImage changedScaled = cache.Scaled(changed, 2);
    EXPECT_NE(changedScaled.cacheKey(), first.cacheKey()) << "a changed picture is enlarged anew";
    EXPECT_EQ(changedScaled.pixel(1, 1) & 0xFFFFFFu, 0x010203u);
    EXPECT_EQ(cache.Count(), 3);

    // A budget of two 2x enlargements of this picture keeps the two used last.
    ScaledPictureCache small(2 * first.sizeInBytes());
    const QImage a = Numbered(5, 4), b = Numbered(5, 4), c = Numbered(5, 4);
    small.Scaled(a, 2);
    small.Scaled(b, 2);
    const qint64 aKey = small.Scaled(a, 2).cacheKey();
    small.Scaled(c, 2);
    EXPECT_EQ(small.Count(), 2);
    EXPECT_LE(small.Bytes(), 2 * first.sizeInBytes());
    EXPECT_EQ(small.Scaled(a, 2).cacheKey(), aKey) << "the picture used last stayed";
    EXPECT_EQ(small.Count(), 2);
}

TEST(WholePixelScaling, PiecesLandPixelForPixelOnAnEnlargedDevice)
{
    EnsureGuiApplication();
    ScaledPictureCache cache;
    const QImage picture = Numbered(8, 6);
    QImage device(20, 16, QImage::Format_RGB32);
    device.fill(Qt::black);
    device.setDevicePixelRatio(2);
    {
        QPainter painter(&device);
        painter.translate(1, 2);
        DrawPicturePiece(painter, QRect(2, 1, 3, 2), picture, QRect(4, 3, 3, 2), cache);
    }
    EXPECT_EQ(FirstUndoubled(device, QPoint(6, 6), picture.copy(4, 3, 3, 2), 2), "");
    EXPECT_EQ(device.pixel(5, 6) & 0xFFFFFFu, 0u) << "nothing left of the piece";
    EXPECT_EQ(device.pixel(12, 9) & 0xFFFFFFu, 0u) << "nothing right of or below the piece";
    EXPECT_EQ(cache.Count(), 1) << "the piece came from the cached enlargement";
}

// The engine's copies onto a face of ratio 2 give the 1x result with every
// pixel doubled: unstretched, stretched, tiled, keyed, and a whole nine-piece
// face sized in place.
TEST(WholePixelScaling, EngineCopiesOntoA2xFaceAreThe1xResultDoubled)
{
    EnsureGuiApplication();
    const QImage picture = Numbered(9, 7);
    const auto both = [](const std::function<void(QImage&)>& draw) {
        QImage one = Numbered(12, 10);
        QImage two = ScaleByWholePixels(one, 2);
        draw(one);
        draw(two);
        EXPECT_EQ(two.deviceIndependentSize(), QSizeF(12, 10)) << "the face keeps its logical size";
        return FirstUndoubled(two, QPoint(), one, 2);
    };
    EXPECT_EQ(both([&](QImage& face) { DrawPiece(face, QRect(-2, 3, 6, 4), picture, QRect(1, 1, 6, 4)); }), "");
    EXPECT_EQ(both([&](QImage& face) { DrawPiece(face, QRect(1, 2, 11, 9), picture, QRect(2, 1, 5, 4)); }), "")
        << "stretched";
    EXPECT_EQ(both([&](QImage& face) { TilePiece(face, QRect(-1, 1, 14, 8), picture, QRect(3, 2, 4, 3)); }), "")
        << "tiled";
    EXPECT_EQ(both([&](QImage& face) { DrawKeyed(face, QPoint(2, -1), picture, picture.pixel(4, 4) & 0xFFFFFFu); }),
        "")
        << "keyed";
    EXPECT_EQ(both([&](QImage& face) {
        ComposeSkinImageStretched(
            face, picture, SkinRect { 0, 0, 9, 7 }.ToQRect(), SkinRect { 2, 2, 6, 5 }.ToQRect(), 12, 10, true);
    }),
        "")
        << "nine pieces";
}
