// Arbitrary bytes as an article and the shuffle's options: the UTF-8 and UTF-16
// forms of the shuffle must agree, refuse only malformed UTF-8, end a non-empty
// result with "。" and keep every character of the article apart from the
// documented changes: spaces, tabs, ideographic spaces and control characters
// may go, line breaks are rewritten, the sentence marker "[@]" is dropped, and
// the keyword is added after some pieces.
#include "app/text/article_shuffle.h"
#include "app/text/utf8_input.h"
#include "fuzz/shuffle_fuzz_input.h"
#include "base/line_breaks.h"
#include "base/random_generator.h"

#include <QHash>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

bool MayVanish(char32_t character)
{
    return character <= 0x20 || character == U'\u3000';
}

QHash<char32_t, qsizetype> CountCharacters(const QString& text)
{
    QHash<char32_t, qsizetype> counts;
    for (char32_t const character : text.toUcs4())
        ++counts[character];
    return counts;
}

// Every character that may not vanish comes out as often as it went in, plus
// the same number of keywords for each, plus the closing full stop.
void CheckCharactersSurvive(const QString& article, const QString& keyword, const QString& result)
{
    auto expected = CountCharacters(article);
    auto const markers = article.count(u"[@]");
    for (char32_t const character : { U'[', U'@', U']' })
        expected[character] -= markers;
    if (!result.isEmpty())
        ++expected[U'。'];
    auto const actual = CountCharacters(result);
    auto const inKeyword = CountCharacters(keyword);

    qsizetype keywords = -1;
    for (auto it = inKeyword.begin(); it != inKeyword.end(); ++it) {
        if (MayVanish(it.key()))
            continue;
        auto const extra = actual.value(it.key()) - expected.value(it.key());
        Check(extra >= 0 && extra % it.value() == 0);
        Check(keywords == -1 || keywords == extra / it.value());
        keywords = extra / it.value();
    }
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        if (!MayVanish(it.key()) && !inKeyword.contains(it.key()))
            Check(actual.value(it.key()) == it.value());
    }
    for (auto it = actual.begin(); it != actual.end(); ++it)
        Check(MayVanish(it.key()) || expected.contains(it.key()) || inKeyword.contains(it.key()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto const shuffled = ShuffleInBothForms(data, size, ShuffleUtf8Article,
        [](const QString& article, const ShuffleOptions& options, RandomGenerator& generator) {
            return ShuffleArticleText(article, options, LineBreakStyle::Lf, generator);
        });
    if (!shuffled)
        return 0;
    auto const& [input, article, result] = *shuffled;
    auto const& options = input.options;
    Check(result.isEmpty() || result.endsWith(u'。'));

    QStringList delimiters;
    auto crLfGenerator = RandomGenerator::Deterministic(input.seed);
    auto const crLfResult = ShuffleArticle(article, options, delimiters, crLfGenerator);
    Check(WithLfLineBreaks(crLfResult) == result);

    CheckCharactersSurvive(article, options.keyword, result);
    return 0;
}
