// The skinned frame of a full-screen window: one paint of the frame, and one
// step of a live resize (geometry, client layout, window shape and the frame
// paint), beside a plain copy of the window's pixels.
#include "skin/data/compressed_stored_skin.h"
#include "skin/data/skin_data.h"
#include "skin/draw/engine_bitmap.h"
#include "skin/frame/skin_form.h"
#include "skins/built_in_skins.h"

#include <QApplication>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <cstring>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

QApplication& Application()
{
    static int argc = 1;
    static char name[] = "bench_frame";
    static char* argv[] = { name, nullptr };
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(argc, argv);
    return application;
}

// A shown form framed by the built-in skin, free to take any size.
struct FramedWindow {
    FramedWindow()
    {
        stored.SetCompressedData(BuiltInSkinCompressedData(kDefaultBuiltInSkinName));
        skin.LoadCompressedStoredSkin(stored);
        controller->SetSkinData(&skin);
        form.setWindowTitle(QStringLiteral("Lumeno文章顺序随机打乱工具 V1.0"));
        form.show();
        form.setMaximumSize(2 * kWidth, 2 * kHeight);
        form.resize(kWidth, kHeight);
    }

    QImage PaintFrame()
    {
        QImage target(form.size(), kSkinBitmapFormat);
        form.render(&target, QPoint(), QRegion(), QWidget::DrawWindowBackground);
        return target;
    }

    QApplication& application { Application() };
    TbsCompressedStoredSkin stored;
    TbsSkinData skin;
    QWidget form;
    TbsSkinForm* controller { new TbsSkinForm(&form) };
};

void BM_PlainCopyOfTheWindow(benchmark::State& state)
{
    const QImage source = MakeSkinBitmap(kWidth, kHeight, 0x336699);
    QImage target = MakeSkinBitmap(kWidth, kHeight);
    for (auto _ : state) {
        std::memcpy(target.bits(), source.constBits(), size_t(source.sizeInBytes()));
        benchmark::DoNotOptimize(target.bits());
    }
}
BENCHMARK(BM_PlainCopyOfTheWindow);

void BM_FramePaint(benchmark::State& state)
{
    FramedWindow window;
    for (auto _ : state)
        benchmark::DoNotOptimize(window.PaintFrame());
}
BENCHMARK(BM_FramePaint);

void BM_LiveResizeStep(benchmark::State& state)
{
    FramedWindow window;
    int step = 0;
    for (auto _ : state) {
        // Each step one pixel wider or narrower, as a drag delivers them.
        window.form.resize(kWidth - (step++ & 1), kHeight);
        benchmark::DoNotOptimize(window.PaintFrame());
    }
}
BENCHMARK(BM_LiveResizeStep);

} // namespace
