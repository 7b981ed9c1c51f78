// The article pipeline on a 20 MB Chinese article, stage by stage: cutting
// (the delimiter list), the whole shuffle in UTF-16 as the window runs it and
// in UTF-8 as lumeno-shuffle does, the same for the whole-sentence shuffle, the staged pipeline with one string per
// piece for comparison, and the passes that must stay linear whatever the
// article holds.

#include "app/text/article_shuffle.h"
#include "app/text/delimiter_scan.h"
#include "app/text/sentence_shuffle.h"
#include "app/text/utf8_input.h"
#include "base/line_breaks.h"
#include "base/random_generator.h"
#include "bench/article/long_article.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <benchmark/benchmark.h>

namespace {

constexpr qsizetype kArticleUtf8Bytes = 20 * 1024 * 1024;

const QString& LongArticle()
{
    static QString const article = LongChineseArticle(kArticleUtf8Bytes);
    return article;
}

const QByteArray& LongArticleUtf8()
{
    static QByteArray const bytes = LongArticle().toUtf8();
    return bytes;
}

ShuffleOptions KeywordRemovingLineBreaks()
{
    ShuffleOptions options;
    options.keyword = QStringLiteral("关键词");
    options.removeLineBreaks = true;
    return options;
}

void SetArticleBytes(benchmark::State& state, qsizetype bytes)
{
    state.SetBytesProcessed(state.iterations() * bytes);
}

void RunShuffle(benchmark::State& state, const ShuffleOptions& options)
{
    RandomGenerator generator;
    for (auto _ : state) {
        QStringList delimiters;
        auto result = ShuffleArticle(LongArticle(), options, delimiters, generator);
        benchmark::DoNotOptimize(result);
    }
    SetArticleBytes(state, LongArticleUtf8().size());
}

void ShuffleWithWindowDefaults(benchmark::State& state)
{
    RunShuffle(state, ShuffleOptions {});
}

void ShuffleWithKeywordRemovingLineBreaks(benchmark::State& state)
{
    RunShuffle(state, KeywordRemovingLineBreaks());
}

// What the window's background shuffle does: the delimiter list, then the
// shuffle with LF line breaks.
void WindowShuffleInUtf16(benchmark::State& state)
{
    RandomGenerator generator;
    for (auto _ : state) {
        auto delimiters = ArticleDelimiterList(LongArticle());
        auto result = ShuffleArticleText(LongArticle(), KeywordRemovingLineBreaks(), LineBreakStyle::Lf, generator);
        benchmark::DoNotOptimize(delimiters);
        benchmark::DoNotOptimize(result);
    }
    SetArticleBytes(state, LongArticleUtf8().size());
}

void CutIntoTheDelimiterList(benchmark::State& state)
{
    for (auto _ : state) {
        auto delimiters = ArticleDelimiterList(LongArticle());
        benchmark::DoNotOptimize(delimiters);
    }
    SetArticleBytes(state, LongArticleUtf8().size());
}

// What lumeno-shuffle does between reading and writing the file.
void ShuffleInUtf8(benchmark::State& state)
{
    auto generator = RandomGenerator::Deterministic(7);
    for (auto _ : state) {
        auto result = ShuffleUtf8Article(LongArticleUtf8(), KeywordRemovingLineBreaks(), generator);
        benchmark::DoNotOptimize(result);
    }
    SetArticleBytes(state, LongArticleUtf8().size());
}

// The whole-sentence shuffle as the window runs it.
void WholeSentencesInUtf16(benchmark::State& state)
{
    RandomGenerator generator;
    ShuffleOptions options;
    options.keyword = QStringLiteral("关键词");
    for (auto _ : state) {
        auto result = ShuffleSentencesText(LongArticle(), options, generator);
        benchmark::DoNotOptimize(result);
    }
    SetArticleBytes(state, LongArticleUtf8().size());
}

// The whole-sentence shuffle as lumeno-shuffle --whole-sentences runs it,
// with the article as one paragraph in the second case.
void WholeSentencesInUtf8(benchmark::State& state, bool removeLineBreaks)
{
    auto generator = RandomGenerator::Deterministic(7);
    auto options = KeywordRemovingLineBreaks();
    options.removeLineBreaks = removeLineBreaks;
    for (auto _ : state) {
        auto result = ShuffleUtf8Sentences(LongArticleUtf8(), options, generator);
        benchmark::DoNotOptimize(result);
    }
    SetArticleBytes(state, LongArticleUtf8().size());
}

// 30 MB of one-character sentences, "甲。" after "甲。": the most sentences
// an article of that size holds in UTF-8.
void WholeSentencesOfThirtyMegabytesOfShortSentences(benchmark::State& state)
{
    QByteArray const sentences = QByteArray("\xE7\x94\xB2\xE3\x80\x82").repeated(5 * 1024 * 1024);
    auto generator = RandomGenerator::Deterministic(7);
    for (auto _ : state) {
        auto result = ShuffleUtf8Sentences(sentences, {}, generator);
        benchmark::DoNotOptimize(result);
    }
    SetArticleBytes(state, sentences.size());
}

// The floor for lumeno-shuffle's own work: checking the bytes once.
void ValidateUtf8Only(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(FindInvalidUtf8(LongArticleUtf8()));
    SetArticleBytes(state, LongArticleUtf8().size());
}

// The staged pipeline with a string per line and per piece, as the sentence
// splitter's interface describes it.
void MarkDelimitersOnly(benchmark::State& state)
{
    auto const pattern = QString::fromUtf16(kDelimiterPattern);
    for (auto _ : state) {
        QStringList delimiters;
        auto lines = MarkDelimiters(pattern, LongArticle(), delimiters);
        benchmark::DoNotOptimize(lines);
    }
    SetArticleBytes(state, LongArticleUtf8().size());
}

// 30 MB of commas: 30 million empty pieces, each a view.
void ShuffleThirtyMegabytesOfCommas(benchmark::State& state)
{
    QByteArray const commas(30 * 1024 * 1024, ',');
    auto generator = RandomGenerator::Deterministic(7);
    for (auto _ : state) {
        auto result = ShuffleUtf8Article(commas, {}, generator);
        benchmark::DoNotOptimize(result);
    }
    SetArticleBytes(state, commas.size());
}

// Ten million CR LF, each turned into LF.
void TenMillionLineBreaksToLf(benchmark::State& state)
{
    QString const text = QStringLiteral("句\r\n").repeated(10'000'000);
    for (auto _ : state) {
        auto converted = WithLfLineBreaks(text);
        benchmark::DoNotOptimize(converted);
    }
}

} // namespace

BENCHMARK(ShuffleWithWindowDefaults)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(ShuffleWithKeywordRemovingLineBreaks)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(WindowShuffleInUtf16)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(CutIntoTheDelimiterList)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(ShuffleInUtf8)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(WholeSentencesInUtf16)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_CAPTURE(WholeSentencesInUtf8, Paragraphs, false)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_CAPTURE(WholeSentencesInUtf8, OneParagraph, true)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(WholeSentencesOfThirtyMegabytesOfShortSentences)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(ValidateUtf8Only)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(MarkDelimitersOnly)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(ShuffleThirtyMegabytesOfCommas)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(TenMillionLineBreaksToLf)->Unit(benchmark::kMillisecond)->MinTime(2.0);
