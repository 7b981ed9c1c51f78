// Repaints of the main window's controls once it is shown: a face built again
// after a change (the page control's tabs under a moving mouse), a paint that
// only copies the kept faces (a menu closing over the window), and the memo's
// background under a line of text (typing) and under all of it (scrolling).
// Runs on Qt's offscreen platform.
#include "app/window/form1.h"
#include "skin/controls/page_control.h"
#include "skin/controls/skin_memo.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

QApplication& Application()
{
    static int argc = 1;
    static char name[] = "bench_kept_faces";
    static char* argv[] = { name, nullptr };
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(argc, argv);
    return application;
}

void BM_PageControlFaceRebuiltAndPainted(benchmark::State& state)
{
    Application();
    TForm1 form;
    form.show();
    QCoreApplication::processEvents();
    TbsSkinPageControl& pages = *form.bsSkinPageControl1;
    for (auto _ : state) {
        pages.FaceChanged();
        pages.repaint();
    }
    state.counters["kept_face_bytes"] = static_cast<double>(pages.KeptFaceBytes());
}
BENCHMARK(BM_PageControlFaceRebuiltAndPainted)->Unit(benchmark::kMicrosecond);

void BM_WindowRepaintedFromKeptFaces(benchmark::State& state)
{
    Application();
    TForm1 form;
    form.show();
    QCoreApplication::processEvents();
    for (auto _ : state)
        form.repaint();
}
BENCHMARK(BM_WindowRepaintedFromKeptFaces)->Unit(benchmark::kMicrosecond);

void BM_MemoLineRepainted(benchmark::State& state)
{
    Application();
    TForm1 form;
    form.show();
    QCoreApplication::processEvents();
    TbsSkinMemo& memo = *form.Memo1;
    const QRect line(0, 40, memo.width(), 16);
    for (auto _ : state)
        memo.repaint(line);
}
BENCHMARK(BM_MemoLineRepainted)->Unit(benchmark::kMicrosecond);

void BM_MemoRepaintedWhole(benchmark::State& state)
{
    Application();
    TForm1 form;
    form.show();
    QCoreApplication::processEvents();
    for (auto _ : state)
        form.Memo1->repaint();
}
BENCHMARK(BM_MemoRepaintedWhole)->Unit(benchmark::kMicrosecond);

} // namespace
