#include "base/random_generator.h"
#include "skin/draw/morph.h"
#include "skin/draw/pixel_effects.h"
#include "skin/draw/engine_bitmap.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

QImage Picture(int seed)
{
    QImage picture(kWidth, kHeight, kSkinBitmapFormat);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            picture.setPixel(x, y, qRgb((x * 7 + seed) & 255, (y * 13) & 255, (x ^ y ^ seed) & 255));
    return picture;
}

// Each iteration works on a fresh copy so every effect sees the same pixels;
// the copy is timed apart and left out.
template<typename Effect>
void RunEffect(benchmark::State& state, Effect effect)
{
    QImage const original = Picture(0);
    for (auto _ : state) {
        state.PauseTiming();
        QImage image = original.copy();
        state.ResumeTiming();
        effect(image);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetItemsProcessed(state.iterations() * qint64(kWidth) * kHeight);
}

void BM_Brightness(benchmark::State& state)
{
    RunEffect(state, [](QImage& image) { ApplyBrightness(image, 0.5); });
}
void BM_Darkness(benchmark::State& state)
{
    RunEffect(state, [](QImage& image) { ApplyDarkness(image, 0.3); });
}
void BM_GrayScale(benchmark::State& state)
{
    RunEffect(state, [](QImage& image) { ApplyGrayScale(image); });
}
void BM_Noise(benchmark::State& state)
{
    RandomGenerator random = RandomGenerator::Deterministic(1);
    RunEffect(state, [&](QImage& image) { ApplyNoise(image, 50, random); });
}
void BM_SplitBlur(benchmark::State& state)
{
    RunEffect(state, [](QImage& image) { ApplySplitBlur(image, 1); });
}
void BM_Invert(benchmark::State& state)
{
    RunEffect(state, [](QImage& image) { ApplyInvert(image); });
}
BENCHMARK(BM_Brightness)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Darkness)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GrayScale)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Noise)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SplitBlur)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Invert)->Unit(benchmark::kMillisecond);

void BM_Morph(benchmark::State& state)
{
    auto const kind = static_cast<MorphKind>(state.range(0));
    QImage const target = Picture(99);
    RunEffect(state, [&](QImage& image) { Morph(image, target, 0.37, kind); });
}
BENCHMARK(BM_Morph)
    ->Unit(benchmark::kMillisecond)
    ->ArgName("kind")
    ->DenseRange(static_cast<int>(MorphKind::mkDefault), static_cast<int>(MorphKind::mkPush));

} // namespace
