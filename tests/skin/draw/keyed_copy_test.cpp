#include "skin/draw/keyed_copy.h"

#include "skin/draw/engine_bitmap.h"

#include <gtest/gtest.h>

namespace {

QRgb At(const QImage& image, int x, int y)
{
    return image.pixel(x, y) & 0xFFFFFFu;
}

} // namespace

TEST(KeyedCopy, LeavesOutTheKeyColourAndCutsAtTheEdges)
{
    QImage source = MakeSkinBitmap(3, 2, 0x112233);
    source.setPixel(1, 0, 0xFFFF00FFu);
    source.setPixel(2, 1, 0xFFFF00FFu);

    QImage keyed = MakeSkinBitmap(4, 4, 0x000000);
    DrawKeyed(keyed, QPoint(-1, 3), source, 0xFF00FF);
    EXPECT_EQ(At(keyed, 0, 3), 0x000000u) << "the key pixel at (1, 0) leaves the destination as it was";
    EXPECT_EQ(At(keyed, 1, 3), 0x112233u);
    EXPECT_EQ(At(keyed, 2, 3), 0x000000u) << "nothing lands right of the source";
    EXPECT_EQ(At(keyed, 0, 2), 0x000000u) << "nothing lands above the position";

    QImage plain = MakeSkinBitmap(4, 4, 0x000000);
    DrawKeyed(plain, QPoint(1, 1), source, std::nullopt);
    EXPECT_EQ(At(plain, 2, 1), 0xFF00FFu) << "without a key every pixel is copied";
    EXPECT_EQ(At(plain, 3, 2), 0xFF00FFu);
    EXPECT_EQ(At(plain, 0, 0), 0x000000u);
}
