#include "skin/draw/compose_skin_image.h"
#include "skin/draw/mask_region.h"
#include "skin/draw/engine_bitmap.h"

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

QImage NoisePicture(int width, int height)
{
    QImage picture(width, height, kSkinBitmapFormat);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb((x * 7) & 255, (y * 13) & 255, (x ^ y) & 255));
    return picture;
}

// A 64 x 64 face: 16-pixel borders round a 32 x 32 middle.
SkinPieceGeometry FacePiece(bool stretch)
{
    SkinPieceGeometry piece;
    piece.skinRect = SkinRect { 0, 0, 64, 64 }.ToQRect();
    piece.clientRect = SkinRect { 16, 16, 48, 48 }.ToQRect();
    piece.leftTop = { 16, 16 };
    piece.rightTop = { 48, 16 };
    piece.leftBottom = { 16, 48 };
    piece.rightBottom = { 48, 48 };
    piece.leftStretch = piece.topStretch = piece.rightStretch = piece.bottomStretch = stretch;
    piece.stretchEffect = stretch;
    return piece;
}

void BM_PlainCopy(benchmark::State& state)
{
    QImage const source = NoisePicture(kWidth, kHeight);
    QImage destination = MakeSkinBitmap(kWidth, kHeight);
    for (auto _ : state) {
        for (int y = 0; y < kHeight; ++y)
            std::memcpy(SkinRow(destination, y), SkinRow(source, y), sizeof(QRgb) * kWidth);
        benchmark::DoNotOptimize(destination.constBits());
    }
    state.SetBytesProcessed(state.iterations() * qint64(kWidth) * kHeight * 4);
}
BENCHMARK(BM_PlainCopy)->Unit(benchmark::kMicrosecond);

void ComposeFace(benchmark::State& state, bool stretch)
{
    QImage const picture = NoisePicture(64, 64);
    SkinPieceGeometry const piece = FacePiece(stretch);
    SkinTargetGeometry const target = CalcTargetGeometry(CompositionMode::Full, piece, kWidth, kHeight);
    QImage face;
    for (auto _ : state) {
        ComposeSkinImage(face, picture, piece, target, true);
        benchmark::DoNotOptimize(face.constBits());
    }
    state.SetBytesProcessed(state.iterations() * qint64(kWidth) * kHeight * 4);
}

void BM_ComposeNinePieceTiled(benchmark::State& state)
{
    ComposeFace(state, false);
}
BENCHMARK(BM_ComposeNinePieceTiled)->Unit(benchmark::kMicrosecond);

void BM_ComposeNinePieceStretched(benchmark::State& state)
{
    ComposeFace(state, true);
}
BENCHMARK(BM_ComposeNinePieceStretched)->Unit(benchmark::kMicrosecond);

// A window-sized mask with rounded corners and a few holes per row.
void BM_RegionFromMask(benchmark::State& state)
{
    QImage mask = MakeSkinBitmap(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y) {
        QRgb* row = SkinRow(mask, y);
        int const corner = y < 8 ? 8 - y : y >= kHeight - 8 ? y - (kHeight - 9) : 0;
        for (int x = 0; x < corner; ++x)
            row[x] = row[kWidth - 1 - x] = 0xffffffff;
        for (int x = 100 + (y % 7); x < kWidth; x += 300)
            row[x] = 0xffffffff;
    }
    for (auto _ : state) {
        std::optional<QRegion> region = RegionFromMask(mask);
        benchmark::DoNotOptimize(region);
    }
    state.SetItemsProcessed(state.iterations() * qint64(kWidth) * kHeight);
}
BENCHMARK(BM_RegionFromMask)->Unit(benchmark::kMicrosecond);

} // namespace
