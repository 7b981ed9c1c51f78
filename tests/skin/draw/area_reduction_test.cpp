#include "skin/draw/area_reduction.h"

#include "skin/draw/whole_pixel_scaling.h"

#include <QPainter>
#include <gtest/gtest.h>
#include <string>

namespace {

constexpr QRgb kWhite = 0xFFFFFFFFu;
constexpr QRgb kBlack = 0xFF000000u;
constexpr QRgb kBlue = 0xFF0000FFu;

// A device of ratio 1.5, filled with background.
QImage Device(int width, int height, QRgb background)
{
    QImage device(width, height, QImage::Format_RGB32);
    device.fill(background);
    device.setDevicePixelRatio(1.5);
    return device;
}

std::string Pixel(const QImage& image, int x, int y)
{
    return "device pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") is #"
        + QString::number(image.pixel(x, y) & 0xFFFFFFu, 16).toStdString();
}

} // namespace

TEST(AreaReduction, OnePixelLinesAtOneAndAHalfCarryTheSameInkWhereverTheyFall)
{
    // Black one-pixel lines on every other logical column, enlarged to 2 and
    // drawn at a logical offset of 1, so the face starts half way into a
    // device pixel and the lines fall on all phases of the device grid.
    QImage lines(16, 3, QImage::Format_RGB32);
    lines.fill(kWhite);
    for (int x = 0; x < lines.width(); x += 2)
        for (int y = 0; y < lines.height(); ++y)
            lines.setPixel(x, y, kBlack);
    QImage device = Device(30, 8, kBlue);
    {
        QPainter painter(&device);
        painter.translate(1, 1);
        DrawFaceOnDevice(painter, QPoint(), ScaleByWholePixels(lines, WholePixelRatio(1.5)), QRect(0, 0, 16, 3));
    }
    // The face covers device columns 1.5 .. 25.5 and rows 1.5 .. 6: every
    // pixel it touches is drawn, none beyond it.
    for (int y = 0; y < device.height(); ++y)
        for (int x = 0; x < device.width(); ++x) {
            const bool touched = x >= 1 && x <= 25 && y >= 1 && y <= 5;
            EXPECT_EQ(device.pixel(x, y) == kBlue, !touched) << Pixel(device, x, y);
        }
    // Line k covers device columns 1.5 + 3k .. 3 + 3k: one and a half pixels
    // of ink, never one or two. The first line is left out: the face's edge
    // pixel, half covered, takes the face's own colour.
    for (int line = 1; line < 8; ++line) {
        const int first = 1 + 3 * line;
        double ink = 0;
        for (int x = first; x <= first + 1; ++x)
            ink += (255 - qRed(device.pixel(x, 3))) / 255.0;
        EXPECT_NEAR(ink, 1.5, 0.01) << "line " << line << ": " << Pixel(device, first, 3) << ", "
                                    << Pixel(device, first + 1, 3);
        EXPECT_EQ(device.pixel(first + 2, 3), kWhite) << "between lines " << line << " and " << line + 1 << ": "
                                                      << Pixel(device, first + 2, 3);
    }
    EXPECT_EQ(device.pixel(1, 3), kBlack) << "the half-covered edge pixel is not blended with the background";
    for (int y = 1; y <= 5; ++y)
        EXPECT_EQ(device.pixel(10, y), device.pixel(10, 3)) << "every row alike: " << Pixel(device, 10, y);
}

TEST(AreaReduction, FacesMeetingHalfWayThroughADevicePixelLeaveNoSeam)
{
    // Logical 3 is device 4.5: the pixel both faces touch is drawn.
    QImage left(3, 2, QImage::Format_RGB32);
    left.fill(kBlack);
    QImage right(3, 2, QImage::Format_RGB32);
    right.fill(kWhite);
    QImage device = Device(9, 3, kBlue);
    {
        QPainter painter(&device);
        DrawFaceOnDevice(painter, QPoint(0, 0), ScaleByWholePixels(left, 2), QRect(0, 0, 6, 2));
        DrawFaceOnDevice(painter, QPoint(3, 0), ScaleByWholePixels(right, 2), QRect(0, 0, 6, 2));
    }
    for (int x = 0; x < 9; ++x)
        EXPECT_NE(device.pixel(x, 1), kBlue) << "a seam: " << Pixel(device, x, 1);
}

TEST(AreaReduction, ArtOutsideTheShapeTakesTheShapesColoursBeforeAReduction)
{
    // A rounded corner: the shape is x + y >= 3 below row 0, with a dark
    // outline on its edge and grey within; the art the mask cuts away is
    // magenta. Once spread, no device pixel has any magenta in it.
    const QRgb magenta = qRgb(255, 0, 255);
    const auto inside = [](int x, int y) { return y > 0 && x + y >= 3; };
    const auto art = [&](int x, int y) {
        if (!inside(x, y))
            return magenta;
        return x + y == 3 || y == 1 ? qRgb(64, 64, 64) : qRgb(128, 128, 128);
    };
    QImage corner(6, 6, QImage::Format_RGB32);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x)
            corner.setPixel(x, y, art(x, y));
    QRegion shape;
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x)
            shape += inside(x, y) ? QRegion(x, y, 1, 1) : QRegion();
    QImage face = ScaleByWholePixels(corner, 2);
    SpreadInsideShape(face, shape);
    QImage device = Device(9, 9, kBlue);
    {
        QPainter painter(&device);
        DrawFaceOnDevice(painter, QPoint(), face, QRect(0, 0, 6, 6));
    }
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x) {
            const QRgb pixel = device.pixel(x, y);
            EXPECT_TRUE(qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel)) << Pixel(device, x, y);
        }

    // Each outside pixel takes the nearest inside pixel of its row (the left
    // one on a tie); a row without one takes the nearest row that has one.
    const QRgb a = qRgb(10, 20, 30);
    const QRgb b = qRgb(40, 50, 60);
    QImage rows(6, 3, QImage::Format_RGB32);
    rows.fill(kBlue);
    rows.setPixel(1, 1, a);
    rows.setPixel(4, 1, b);
    SpreadInsideColours(rows, [](int x, int y) { return y == 1 && (x == 1 || x == 4); });
    const QRgb expected[] = { a, a, a, b, b, b };
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(rows.pixel(x, y), expected[x]) << "pixel (" << x << ", " << y << ")";
}
