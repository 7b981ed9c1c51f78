#include "app/text/sentence_shuffle.h"

#include "app/text/cut_map.h"
#include "app/text/piece_writer.h"
#include "app/text/sentence_scanner.h"
#include "app/text/shuffle_steps.h"
#include "app/text/utf8_input.h"
#include "base/random_generator.h"

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// The sentences of an article as bits beside it, one per code unit: where
// each sentence starts, where its text gives way to its end marks (where it
// ends, for one without), where it ends, and where the line breaks are.
struct SentenceMap {
    explicit SentenceMap(std::size_t length)
        : starts(length + 1)
        , bodyEnds(length + 1)
        , ends(length + 1)
        , lineBreaks(length + 1)
    {
    }

    CutMap starts;
    CutMap bodyEnds;
    CutMap ends;
    CutMap lineBreaks;
    std::size_t count { 0 };
    std::size_t malformedAt { SentenceScanner<char>::npos };
};

template <typename Char>
SentenceMap MapSentences(std::basic_string_view<Char> text, ProgressMeter& meter)
{
    CheckArticleLength(text.size());
    SentenceMap map(text.size());
    std::size_t reported = 0;
    auto const advanceTo = [&](std::size_t position) {
        meter.Advance(position - reported);
        reported = position;
    };
    map.malformedAt = SentenceScanner<Char>(text).Scan(
        [&](SentenceBounds sentence) {
            map.starts.Set(sentence.start);
            map.bodyEnds.Set(sentence.bodyEnd);
            map.ends.Set(sentence.end);
            ++map.count;
            advanceTo(sentence.end);
        },
        [&](std::size_t position, std::size_t width) {
            map.lineBreaks.Set(position);
            advanceTo(position + width);
        });
    return map;
}

// Where each sentence starts, in the article's order.
std::vector<std::uint32_t> SentenceStarts(const SentenceMap& map, std::size_t length)
{
    std::vector<std::uint32_t> starts;
    starts.reserve(map.count);
    for (auto start = map.starts.NextAtOrAfter(0); start < length; start = map.starts.NextAtOrAfter(start + 1))
        starts.push_back(std::uint32_t(start));
    return starts;
}

// Shuffles count sentences from first on; each counts workPerSentence.
void ShuffleRange(std::uint32_t* first, std::size_t count, RandomGenerator& generator, ProgressMeter& meter,
    std::size_t workPerSentence)
{
    for (std::size_t place = count; place-- > 1;) {
        generator.Reseed();
        std::swap(first[place], first[generator.Draw(std::uint32_t(place + 1))]);
        meter.Advance(workPerSentence);
    }
    meter.Advance(count == 0 ? 0 : workPerSentence);
}

// Shuffles the sentences of each paragraph among themselves, or all of them
// when the article counts as one paragraph.
void ShuffleParagraphs(std::vector<std::uint32_t>& sentences, const SentenceMap& map, bool oneParagraph,
    std::size_t length, RandomGenerator& generator, ProgressMeter& meter)
{
    auto const count = sentences.size();
    // The shuffle counts as much work as a pass over the text.
    auto const workPerSentence = length / std::max<std::size_t>(count, 1);
    if (oneParagraph) {
        ShuffleRange(sentences.data(), count, generator, meter, workPerSentence);
        return;
    }
    for (std::size_t first = 0; first < count;) {
        auto const paragraphEnd = map.lineBreaks.NextAtOrAfter(sentences[first]);
        auto last = first + 1;
        while (last < count && sentences[last] < paragraphEnd)
            ++last;
        ShuffleRange(sentences.data() + first, last - first, generator, meter, workPerSentence);
        first = last;
    }
}

// Writes the shuffled sentences, each into the place of the sentence that
// stood there, with the gaps and line breaks of the article between them;
// or, for one paragraph, the sentences alone.
template <typename Char, typename Result, typename MakeBuffer>
Result WriteShuffled(std::basic_string_view<Char> text, const SentenceMap& map,
    const std::vector<std::uint32_t>& sentences, const ShuffleOptions& options, RandomGenerator& generator,
    ProgressMeter& meter, MakeBuffer makeBuffer)
{
    // These draws come after all the shuffle's draws, so they can be made
    // before the result is written, which then knows its size.
    auto const keywordPlaces = DrawKeywordPlaces(sentences.size(), options, generator);
    auto const keyword = KeywordIn<Char>(options.keyword);
    std::size_t bound = text.size();
    for (bool const place : keywordPlaces)
        bound += place ? keyword.size() : 0;
    auto [result, buffer] = makeBuffer(bound);

    PieceWriter<Char> writer(buffer, { options.removeSpaces, false, false, LineBreakStyle::CrLf });
    std::size_t next = 0;
    auto const writeNextSentence = [&] {
        // The sentences lie at random places by now: fetching a few ahead
        // hides the wait for memory.
        constexpr std::size_t kPrefetchDistance = 8;
        if (next + kPrefetchDistance < sentences.size()) {
            auto const ahead = std::size_t(sentences[next + kPrefetchDistance]);
            map.bodyEnds.Prefetch(ahead + 1);
            map.ends.Prefetch(ahead + 1);
            __builtin_prefetch(text.data() + ahead);
        }
        auto const start = std::size_t(sentences[next]);
        auto const bodyEnd = map.bodyEnds.NextAtOrAfter(start + 1);
        auto const end = map.ends.NextAtOrAfter(start + 1);
        writer.AppendPiece(text.substr(start, bodyEnd - start), false);
        if (!keywordPlaces.empty() && keywordPlaces[next])
            writer.Append(keyword);
        writer.AppendPiece(text.substr(bodyEnd, end - bodyEnd), false);
        meter.Advance(end - start);
        ++next;
    };

    if (options.removeLineBreaks) {
        while (next < sentences.size())
            writeNextSentence();
    } else {
        std::size_t lineStart = 0;
        for (;;) {
            auto const lineEnd = std::min(map.lineBreaks.NextAtOrAfter(lineStart), text.size());
            std::size_t gapStart = lineStart;
            for (auto place = map.starts.NextAtOrAfter(lineStart); place < lineEnd; place = map.starts.NextAtOrAfter(gapStart)) {
                writer.Append(text.substr(gapStart, place - gapStart));
                writeNextSentence();
                gapStart = map.ends.NextAtOrAfter(place + 1);
            }
            writer.Append(text.substr(gapStart, lineEnd - gapStart));
            if (lineEnd == text.size())
                break;
            auto const breakWidth = LineBreakWidthAt(text, lineEnd);
            writer.Append(text.substr(lineEnd, breakWidth));
            lineStart = lineEnd + breakWidth;
        }
    }
    meter.Finish();
    result.resize(qsizetype(writer.Size()));
    return std::move(result);
}

template <typename Char, typename Result, typename MakeBuffer>
Result ShuffleMapped(std::basic_string_view<Char> text, const SentenceMap& map, const ShuffleOptions& options,
    RandomGenerator& generator, ProgressMeter& meter, MakeBuffer makeBuffer)
{
    auto sentences = SentenceStarts(map, text.size());
    ShuffleParagraphs(sentences, map, options.removeLineBreaks, text.size(), generator, meter);
    return WriteShuffled<Char, Result>(text, map, sentences, options, generator, meter, makeBuffer);
}

std::size_t TotalWork(std::size_t length)
{
    // Finding the sentences, shuffling and writing each count one step per
    // code unit.
    return 3 * length;
}

} // namespace

QString ShuffleSentencesText(QStringView article, const ShuffleOptions& options, RandomGenerator& generator,
    const ShuffleProgress& progress)
{
    CheckFrequency(options);
    std::u16string_view const text(article.utf16(), std::size_t(article.size()));
    ProgressMeter meter(progress, TotalWork(text.size()));
    auto const map = MapSentences(text, meter);
    return ShuffleMapped<char16_t, QString>(text, map, options, generator, meter, Utf16ResultBuffer);
}

QByteArray ShuffleUtf8Sentences(QByteArrayView article, const ShuffleOptions& options, RandomGenerator& generator)
{
    CheckFrequency(options);
    auto const skipped = article.startsWith(kUtf8ByteOrderMark) ? kUtf8ByteOrderMark.size() : 0;
    std::string_view const text(article.data() + skipped, std::size_t(article.size() - skipped));
    ShuffleProgress const noProgress;
    ProgressMeter meter(noProgress, TotalWork(text.size()));
    auto const map = MapSentences(text, meter);
    if (map.malformedAt != SentenceScanner<char>::npos)
        throw InvalidUtf8At(article, qsizetype(map.malformedAt) + skipped);
    return ShuffleMapped<char, QByteArray>(text, map, options, generator, meter, Utf8ResultBuffer);
}
