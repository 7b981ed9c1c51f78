// Switching the main window between the built-in skins while it is shown:
// the new skin's load, every control and the frame taking it, and the paint
// that follows. A window started with a remembered dark skin pays one switch
// on top of its start.
#include "app/window/form1.h"
#include "app/window/skin_choice.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

QApplication& Application()
{
    static int argc = 1;
    static char name[] = "bench_skin_switch";
    static char* argv[] = { name, nullptr };
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(argc, argv);
    return application;
}

void BM_SwitchBuiltInSkinAndPaint(benchmark::State& state)
{
    Application();
    TForm1 form;
    form.show();
    QCoreApplication::processEvents();
    const QString choices[] = { QStringLiteral("dark"), QStringLiteral("light") };
    int next = 0;
    for (auto _ : state) {
        if (!ApplySkinChoice(form, choices[next]).isEmpty()) {
            state.SkipWithError("a built-in skin was refused");
            break;
        }
        form.repaint();
        next = 1 - next;
    }
}
BENCHMARK(BM_SwitchBuiltInSkinAndPaint)->Unit(benchmark::kMillisecond);

} // namespace
