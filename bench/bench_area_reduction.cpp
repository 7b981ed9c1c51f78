#include "skin/draw/area_reduction.h"
#include "skin/draw/engine_bitmap.h"

#include <benchmark/benchmark.h>

namespace {

// The main window's client face at 2x, reduced to 1.5 as a full repaint does.
constexpr int kWidth = 753;
constexpr int kHeight = 564;

QImage Face()
{
    QImage face(kWidth * 2, kHeight * 2, kSkinBitmapFormat);
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x)
            face.setPixel(x, y, qRgb((x * 7) & 255, (y * 13) & 255, (x ^ y) & 255));
    face.setDevicePixelRatio(2);
    return face;
}

void BM_ReduceWindowFaceByArea(benchmark::State& state)
{
    const QImage face = Face();
    // Placed at an odd logical offset, half way into a device pixel.
    const QRectF place(1.5, 1.5, kWidth * 1.5, kHeight * 1.5);
    const QRect pixels = TouchedPixels(place);
    for (auto _ : state) {
        QImage reduced = ReduceByArea(face, place, pixels);
        benchmark::DoNotOptimize(reduced.constBits());
    }
    state.SetItemsProcessed(state.iterations() * qint64(pixels.width()) * pixels.height());
}

// Qt's own smooth reduction of the same face, for comparison.
void BM_ReduceWindowFaceQtSmooth(benchmark::State& state)
{
    const QImage face = Face();
    const QSize size(kWidth * 3 / 2, kHeight * 3 / 2);
    for (auto _ : state) {
        QImage reduced = face.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        benchmark::DoNotOptimize(reduced.constBits());
    }
    state.SetItemsProcessed(state.iterations() * qint64(size.width()) * size.height());
}

} // namespace

BENCHMARK(BM_ReduceWindowFaceByArea)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReduceWindowFaceQtSmooth)->Unit(benchmark::kMillisecond);
