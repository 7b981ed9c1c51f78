// Putting a shuffled 20 MB article into a memo and reading it back, as the
// window does once a shuffle is over: this must not become the step that
// freezes the window. Runs on Qt's offscreen platform.

#include "app/text/article_shuffle.h"
#include "base/random_generator.h"
#include "bench/article/long_article.h"
#include "skin/controls/skin_memo.h"

#include <QApplication>
#include <QPlainTextEdit>

#include <benchmark/benchmark.h>

namespace {

QApplication& Application()
{
    static int argc = 1;
    static char name[] = "bench_memo_text";
    static char* argv[] = { name, nullptr };
    static QApplication* const application = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *application;
}

const QString& ShuffledArticle()
{
    static QString const result = [] {
        auto generator = RandomGenerator::Deterministic(7);
        return ShuffleArticleText(LongChineseArticle(20 * 1024 * 1024), {}, LineBreakStyle::Lf, generator);
    }();
    return result;
}

void SetTextOfAShownMemo(benchmark::State& state)
{
    Application();
    TbsSkinMemo memo;
    memo.resize(724, 333);
    memo.show();
    for (auto _ : state) {
        memo.SetText(ShuffledArticle());
        QApplication::processEvents();
        state.PauseTiming();
        memo.Clear();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * ShuffledArticle().size() * 2);
}

void ReadTextBack(benchmark::State& state)
{
    Application();
    TbsSkinMemo memo;
    memo.SetText(ShuffledArticle());
    for (auto _ : state)
        benchmark::DoNotOptimize(memo.Text());
}

} // namespace

BENCHMARK(SetTextOfAShownMemo)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(ReadTextBack)->Unit(benchmark::kMillisecond)->MinTime(2.0);
