// Pieces far larger than their pictures, as a broken or crafted skin gives
// them: composition reads and allocates what its target shows, never the
// piece's own size.
#include "test_pictures.h"

#include "skin/draw/compose_skin_face.h"
#include "skin/draw/compose_skin_image.h"
#include "skin/draw/composition_mode.h"

#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

QRgb CoordinateOrBlack(int x, int y, int width, int height)
{
    return x < width && y < height ? qRgb(x, y, 7) : qRgb(0, 0, 0);
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif
#else
constexpr bool kAddressSanitizer = false;
#endif

[[noreturn]] void RunWithinMemory(const std::function<void()>& draw, const std::function<bool()>& check)
{
    const rlimit limit { 512u << 20, 512u << 20 };
    setrlimit(RLIMIT_AS, &limit);
    draw();
    std::exit(check() ? 0 : 1);
}

// Runs draw in a child process whose address space is capped at 512 MiB, so
// a composition that allocates by the piece's size fails there; the child
// reports whether check held. The address sanitizer reserves more than that
// for itself, so its builds skip the cap.
void ExpectWithinMemory(const std::function<void()>& draw, const std::function<bool()>& check)
{
    if (kAddressSanitizer) {
        draw();
        EXPECT_TRUE(check());
        return;
    }
    EXPECT_EXIT(RunWithinMemory(draw, check), ::testing::ExitedWithCode(0), "");
}

} // namespace

TEST(HugePiece, RepeatedAndStretchedPiecesPastThePictureReadOnlyWhatIsShown)
{
    const QImage picture = CoordinatePicture(16, 16);
    const QRect huge(0, 0, 40000, 40000);
    QImage tiled;
    QImage stretched;
    ExpectWithinMemory(
        [&] {
            tiled = MakeSkinBitmap(20, 20);
            TilePiece(tiled, tiled.rect(), picture, huge);
            stretched = MakeSkinBitmap(3000, 3000);
            DrawPiece(stretched, stretched.rect(), picture, QRect(0, 0, 30000, 30000));
        },
        [&] {
            return PixelsAre(tiled, [](int x, int y) { return CoordinateOrBlack(x, y, 16, 16); })
                // Target pixels sample the piece 10 pixels apart from 5 on:
                // only the first two of each row and column lie in the picture.
                && PixelsAre(stretched, [](int x, int y) {
                       return x < 2 && y < 2 ? qRgb(5 + 10 * x, 5 + 10 * y, 7) : qRgb(0, 0, 0);
                   });
        });
}

TEST(HugePiece, ClientPieceRepeatedAlongOneAxisIsMadeOnlyAsLongAsTheArea)
{
    const QImage picture = CoordinatePicture(16, 16);
    QImage across;
    QImage down;
    ExpectWithinMemory(
        [&] {
            across = MakeSkinBitmap(12, 3000);
            FillWithPiece(across, across.rect(), picture, QRect(0, 0, 50000, 16), true, StretchType::stHorz);
            down = MakeSkinBitmap(3000, 12);
            FillWithPiece(down, down.rect(), picture, QRect(0, 0, 16, 50000), true, StretchType::stVert);
        },
        [&] {
            return PixelsAre(across, [](int x, int y) { return qRgb(x, (2 * y + 1) * 16 / 6000, 7); })
                && PixelsAre(down, [](int x, int y) { return qRgb((2 * x + 1) * 16 / 6000, y, 7); });
        });
}

TEST(ClipToPicture, CutsTheSkinRectangleAndHoldsPointsAndClientInsideIt)
{
    SkinPieceGeometry piece;
    piece.skinRect = SkinRect { -4, 2, 30000, 30000 }.ToQRect();
    piece.leftTop = { 6, 3 };
    piece.rightTop = { 29990, 3 };
    piece.leftBottom = { 6, 29990 };
    piece.rightBottom = { 29990, 29990 };
    piece.clientRect = SkinRect { 1, 1, 40000, 39 }.ToQRect();
    const SkinPieceGeometry clipped = ClipToPicture(piece, QSize(48, 40));
    EXPECT_EQ(clipped.skinRect, (SkinRect { 0, 2, 48, 40 }.ToQRect()));
    EXPECT_EQ(clipped.leftTop, QPoint(2, 3));
    EXPECT_EQ(clipped.rightTop, QPoint(48, 3));
    EXPECT_EQ(clipped.rightBottom, QPoint(48, 38));
    EXPECT_EQ(clipped.clientRect, (SkinRect { 0, 1, 48, 38 }.ToQRect()));
    EXPECT_EQ(CompositionModeOf(clipped), CompositionMode::Full);

    // A piece inside its picture is left as it is; one wholly outside has
    // no face.
    SkinPieceGeometry inside = piece;
    inside.skinRect = SkinRect { 2, 2, 40, 30 }.ToQRect();
    inside.rightTop = { 35, 3 };
    inside.leftBottom = { 6, 25 };
    inside.rightBottom = { 35, 25 };
    inside.clientRect = SkinRect { 1, 1, 37, 27 }.ToQRect();
    const SkinPieceGeometry same = ClipToPicture(inside, QSize(48, 40));
    EXPECT_EQ(same.skinRect, inside.skinRect);
    EXPECT_EQ(same.leftTop, inside.leftTop);
    EXPECT_EQ(same.rightTop, inside.rightTop);
    EXPECT_EQ(same.leftBottom, inside.leftBottom);
    EXPECT_EQ(same.rightBottom, inside.rightBottom);
    EXPECT_EQ(same.clientRect, inside.clientRect);
    inside.skinRect = SkinRect { 60, 0, 90, 30 }.ToQRect();
    EXPECT_EQ(CompositionModeOf(ClipToPicture(inside, QSize(48, 40))), CompositionMode::None);
}

TEST(ComposeSkinFace, FixedFaceFarLargerThanItsPictureTakesThePicturesPart)
{
    const QImage picture = CoordinatePicture(50, 60);
    SkinPieceGeometry piece;
    piece.skinRect = SkinRect { 0, 0, 20000, 20000 }.ToQRect();
    const QImage face
        = ComposeSkinFace(picture, piece, CompositionModeOf(piece), SkinRect { 10, 0, 20000, 20000 }.ToQRect(), 1, 1);
    ASSERT_EQ(face.size(), QSize(40, 60));
    EXPECT_TRUE(PixelsAre(face, [](int x, int y) { return qRgb(10 + x, y, 7); }));
}
