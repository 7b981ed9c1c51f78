#include "skin/draw/morph.h"
#include "test_pictures.h"

#include <gtest/gtest.h>

namespace {

// Column pictures: red holds the column (plus an offset telling the two
// images apart), green the row.
QImage Columns(int width, int height, int offset)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(offset + x, y, 0));
    return image;
}

QRgb Current(int column, int row)
{
    return qRgb(column, row, 0);
}

QRgb Target(int column, int row)
{
    return qRgb(100 + column, row, 0);
}

// Red of a blend between flat pictures: current 0, target 200.
int Red(const QImage& image, int x, int y = 0)
{
    return qRed(image.pixel(x, y));
}

} // namespace

TEST(Morph, DefaultBlendsRoundingTiesToEvenAndClampsProgress)
{
    QImage current = PictureRow({ qRgb(10, 1, 2) });
    Morph(current, PictureRow({ qRgb(20, 2, 3) }), 0.5, MorphKind::mkDefault);
    // 15; 1.5 -> 2; 2.5 -> 2.
    EXPECT_EQ(current.pixel(0, 0) & 0xffffffu, qRgb(15, 2, 2) & 0xffffffu);

    QImage beyond = PictureRow({ qRgb(10, 1, 2) });
    Morph(beyond, PictureRow({ qRgb(20, 2, 3) }), 3.0, MorphKind::mkDefault);
    EXPECT_EQ(beyond.pixel(0, 0) & 0xffffffu, qRgb(20, 2, 3) & 0xffffffu);

    // Small and large images blend alike (the large ones through a table).
    for (QSize size : { QSize(3, 2), QSize(200, 120) }) {
        QImage quarter = FilledPicture(size.width(), size.height(), qRgb(0, 0, 0));
        Morph(quarter, FilledPicture(size.width(), size.height(), qRgb(200, 10, 255)), 0.25, MorphKind::mkDefault);
        EXPECT_TRUE(PixelsAre(quarter, [](int, int) { return qRgb(50, 2, 64); })); // 2.5 -> 2, 63.75 -> 64
    }
}

TEST(Morph, LeftSlideAtHalfShowsTheTargetsRightHalfOnTheLeft)
{
    QImage current = Columns(10, 2, 0);
    Morph(current, Columns(10, 2, 100), 0.5, MorphKind::mkLeftSlide);
    EXPECT_TRUE(PixelsAre(current, [](int x, int y) { return x < 5 ? Target(x + 5, y) : Current(x, y); }));

    // At 0 one column has already slid in; at 1 one column of the current image stays.
    current = Columns(10, 2, 0);
    Morph(current, Columns(10, 2, 100), 0.0, MorphKind::mkLeftSlide);
    EXPECT_TRUE(PixelsAre(current, [](int x, int y) { return x < 1 ? Target(9, y) : Current(x, y); }));
    current = Columns(10, 2, 0);
    Morph(current, Columns(10, 2, 100), 1.0, MorphKind::mkLeftSlide);
    EXPECT_TRUE(PixelsAre(current, [](int x, int y) { return x < 9 ? Target(x + 1, y) : Current(x, y); }));
}

TEST(Morph, RightSlideBringsTheTargetsLeftColumnsInFromTheRight)
{
    QImage current = Columns(10, 2, 0);
    Morph(current, Columns(10, 2, 100), 0.3, MorphKind::mkRightSlide);
    EXPECT_TRUE(PixelsAre(current, [](int x, int y) { return x >= 7 ? Target(x - 7, y) : Current(x, y); }));
}

TEST(Morph, PushMovesTheCurrentImageRight)
{
    QImage current = Columns(10, 2, 0);
    Morph(current, Columns(10, 2, 100), 0.3, MorphKind::mkPush);
    // a = 3: columns 4..9 show current 0..5, columns 0..3 the target's 6..9.
    EXPECT_TRUE(PixelsAre(current, [](int x, int y) { return x >= 4 ? Current(x - 4, y) : Target(x + 6, y); }));

    current = Columns(10, 2, 0);
    Morph(current, Columns(10, 2, 100), 0.04, MorphKind::mkPush);
    EXPECT_TRUE(PixelsAre(current, [](int x, int y) { return x >= 1 ? Current(x - 1, y) : Target(9, y); }));
}

TEST(Morph, LeftAndRightGradientsFadeFromTheTargetEdge)
{
    QImage const black = FilledPicture(10, 2, qRgb(0, 0, 0));
    QImage const target = FilledPicture(10, 2, qRgb(200, 0, 0));
    QImage current = black;
    Morph(current, target, 0.4, MorphKind::mkLeftGradient);
    // a = 4, weight steps of 1/4 from column 0.
    int const left[10] = { 200, 150, 100, 50, 0, 0, 0, 0, 0, 0 };
    for (int x = 0; x < 10; ++x)
        EXPECT_EQ(Red(current, x, 1), left[x]) << "pixel (" << x << ", 1)";

    current = black;
    Morph(current, target, 0.4, MorphKind::mkRightGradient);
    // a = 6, weight steps of 1/4 from column 9 down to 6.
    int const right[10] = { 0, 0, 0, 0, 0, 0, 50, 100, 150, 200 };
    for (int x = 0; x < 10; ++x)
        EXPECT_EQ(Red(current, x, 1), right[x]) << "pixel (" << x << ", 1)";

    // Thirds round to the nearest: 200 * 2/3 = 133.3 -> 133, 200 / 3 = 66.7 -> 67.
    current = FilledPicture(7, 1, qRgb(0, 0, 0));
    Morph(current, FilledPicture(7, 1, qRgb(200, 0, 0)), 3.0 / 7, MorphKind::mkLeftGradient);
    int const thirds[7] = { 200, 133, 67, 0, 0, 0, 0 };
    for (int x = 0; x < 7; ++x)
        EXPECT_EQ(Red(current, x), thirds[x]) << "pixel (" << x << ", 0)";
}

TEST(Morph, GradientOpensFromTheCentreOnTheLongerAxis)
{
    QImage current = FilledPicture(10, 2, qRgb(0, 0, 0));
    Morph(current, FilledPicture(10, 2, qRgb(200, 0, 0)), 0.4, MorphKind::mkGradient);
    // b = 4: columns 3..7 show the target; outward steps of 1/3.
    int const columns[10] = { 67, 133, 200, 200, 200, 200, 200, 200, 200, 133 };
    for (int x = 0; x < 10; ++x)
        EXPECT_EQ(Red(current, x, 1), columns[x]) << "pixel (" << x << ", 1)";

    QImage tall = FilledPicture(2, 10, qRgb(0, 0, 0));
    Morph(tall, FilledPicture(2, 10, qRgb(200, 0, 0)), 0.4, MorphKind::mkGradient);
    for (int y = 0; y < 10; ++y)
        EXPECT_EQ(Red(tall, 1, y), columns[y]) << "pixel (1, " << y << ")";

    // At 0 the band is the centre column alone, faded out over 5 columns on
    // either side; at 1 everything shows the target.
    current = FilledPicture(10, 1, qRgb(0, 0, 0));
    Morph(current, FilledPicture(10, 1, qRgb(200, 0, 0)), 0.0, MorphKind::mkGradient);
    int const opening[10] = { 40, 80, 120, 160, 200, 200, 200, 160, 120, 80 };
    for (int x = 0; x < 10; ++x)
        EXPECT_EQ(Red(current, x), opening[x]) << "pixel (" << x << ", 0)";
    current = FilledPicture(10, 1, qRgb(0, 0, 0));
    Morph(current, FilledPicture(10, 1, qRgb(200, 0, 0)), 1.0, MorphKind::mkGradient);
    EXPECT_TRUE(PixelsAre(current, [](int, int) { return qRgb(200, 0, 0); }));
}

TEST(Morph, ImagesOfDifferentSizeOrTooNarrowStayUnchanged)
{
    QImage current = Columns(10, 2, 0);
    QImage const original = current;
    Morph(current, Columns(9, 2, 100), 0.5, MorphKind::mkDefault);
    EXPECT_EQ(current, original);

    for (MorphKind kind : { MorphKind::mkLeftGradient, MorphKind::mkRightGradient, MorphKind::mkLeftSlide,
             MorphKind::mkRightSlide, MorphKind::mkPush }) {
        QImage narrow = Columns(1, 3, 0);
        QImage const before = narrow;
        Morph(narrow, Columns(1, 3, 100), 0.5, kind);
        EXPECT_EQ(narrow, before) << "kind " << int(kind);
    }
}
