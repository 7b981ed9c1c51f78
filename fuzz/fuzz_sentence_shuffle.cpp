// Arbitrary bytes as an article and the options of the whole-sentence
// shuffle: its UTF-8 and UTF-16 forms must agree and refuse only malformed
// UTF-8, before any draw. Without a keyword every line must come back with
// the characters it had, bar spaces, tabs and ideographic spaces, which may
// only go; with "清除换行" the whole article must, in one line. No line may
// start with an end mark, after its indentation, unless one of the article's
// did there.
#include "app/text/sentence_shuffle.h"
#include "app/text/utf8_input.h"
#include "fuzz/shuffle_fuzz_input.h"
#include "base/random_generator.h"

#include <QHash>
#include <QStringList>

#include <cstddef>
#include <cstdint>

namespace {

bool MayGo(char32_t character)
{
    return character == U' ' || character == U'\t' || character == U'\u3000';
}

bool IsGap(char32_t character)
{
    return (character <= 0x20 && character != U'\r' && character != U'\n') || character == U'\u3000';
}

bool StartsWithMark(QStringView line)
{
    while (!line.isEmpty() && IsGap(line.front().unicode()))
        line = line.sliced(1);
    return !line.isEmpty() && QStringView(u"。！？；….!?;").contains(line.front());
}

QStringList Lines(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r' && text[i] != u'\n')
            continue;
        lines << text.sliced(start, i - start);
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    lines << text.sliced(start);
    return lines;
}

// Whether after holds the characters of before, bar some that may go, and no
// others. With the whole article as one line, the gaps between sentences,
// whatever their characters, may go as well.
bool SameCharacters(const QString& before, const QString& after, bool gapsMayGo)
{
    QHash<char32_t, qsizetype> counts;
    for (char32_t const character : before.toUcs4())
        ++counts[character];
    for (char32_t const character : after.toUcs4())
        --counts[character];
    for (auto it = counts.begin(); it != counts.end(); ++it) {
        bool const mayGo = MayGo(it.key()) || (gapsMayGo && IsGap(it.key()));
        if (it.value() < 0 || (it.value() > 0 && !mayGo))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto const shuffled = ShuffleInBothForms(data, size, ShuffleUtf8Sentences,
        [](const QString& article, const ShuffleOptions& options, RandomGenerator& generator) {
            return ShuffleSentencesText(article, options, generator);
        });
    if (!shuffled)
        return 0;
    auto const& [input, article, result] = *shuffled;
    auto const& options = input.options;

    auto const articleLines = Lines(article);
    auto const resultLines = Lines(result);
    bool anyLineStartedWithMark = false;
    for (auto const& line : articleLines)
        anyLineStartedWithMark = anyLineStartedWithMark || StartsWithMark(line);
    if (options.removeLineBreaks) {
        Require(resultLines.size() == 1 || !options.keyword.isEmpty());
        Require(!StartsWithMark(result) || anyLineStartedWithMark);
        if (options.keyword.isEmpty()) {
            QString joined = article;
            joined.remove(u'\r').remove(u'\n');
            Require(SameCharacters(joined, result, true));
        }
        return 0;
    }
    if (!options.keyword.isEmpty())
        return 0;
    Require(resultLines.size() == articleLines.size());
    for (qsizetype i = 0; i < articleLines.size(); ++i) {
        Require(SameCharacters(articleLines[i], resultLines[i], false));
        Require(!StartsWithMark(resultLines[i]) || StartsWithMark(articleLines[i]));
    }
    return 0;
}
