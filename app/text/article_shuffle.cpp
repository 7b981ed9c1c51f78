#include "app/text/article_shuffle.h"

#include "app/text/delimiter_scan.h"
#include "app/text/line_list.h"
#include "app/text/sentence_marker.h"
#include "base/random_generator.h"

#include <stdexcept>
#include <utility>

namespace {

bool IsControlOrSpace(QChar character)
{
    return character.unicode() <= 32;
}

QString TrimmedOfControlsAndSpaces(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsControlOrSpace(text[begin]))
        ++begin;
    while (end > begin && IsControlOrSpace(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

QString CleanedPiece(const QString& piece, const ShuffleOptions& options)
{
    QString cleaned = piece;
    if (options.removeSpaces)
        cleaned.removeIf([](QChar c) { return c == u' ' || c == u'\u3000' || c == u'\t'; });
    if (options.removeLineBreaks) {
        cleaned = TrimmedOfControlsAndSpaces(cleaned);
        cleaned.removeIf([](QChar c) { return c == u'\r' || c == u'\n'; });
    }
    return cleaned;
}

void CheckFrequency(const ShuffleOptions& options)
{
    if (options.frequency < ShuffleOptions::kMinFrequency || options.frequency > ShuffleOptions::kMaxFrequency)
        throw std::out_of_range("The keyword frequency must lie between 2 and 30");
}

} // namespace

void ShufflePieces(QStringList& pieces, RandomGenerator& generator)
{
    auto const count = pieces.size();
    if (count < 2)
        return;
    for (qsizetype i = 0; i < count; ++i) {
        generator.Reseed();
        auto const partner = qsizetype(generator.Draw(std::uint32_t(count - 1))) + 1;
        std::swap(pieces[i], pieces[partner]);
    }
}

QString AssemblePieces(const QStringList& pieces, const QStringList& delimiters, const ShuffleOptions& options,
    RandomGenerator& generator)
{
    CheckFrequency(options);
    auto const count = pieces.size();
    auto const keywordChance = std::uint32_t((count - 1) / options.frequency);
    qsizetype length = 0;
    for (auto const& piece : pieces)
        length += piece.size() + options.keyword.size() + 1;
    QString result;
    result.reserve(length);
    for (qsizetype i = 0; i < count; ++i) {
        QString piece = CleanedPiece(pieces[i], options);
        if (!options.keyword.isEmpty()) {
            generator.Reseed();
            if (generator.Draw(keywordChance) == 0)
                piece.append(options.keyword);
        }
        if (i < delimiters.size())
            piece.append(TrimmedOfControlsAndSpaces(delimiters[delimiters.size() - 1 - i]));
        result.append(piece);
    }
    return result;
}

QString ShuffleArticle(const QString& article, const ShuffleOptions& options, QStringList& delimiters,
    RandomGenerator& generator)
{
    CheckFrequency(options);
    auto const lines = MarkDelimiters(QString::fromUtf16(kDelimiterPattern), article, delimiters);
    auto pieces = SplitAtMarker(JoinLines(lines), QString::fromUtf16(kSentenceMarker));
    ShufflePieces(pieces, generator);
    auto result = AssemblePieces(pieces, delimiters, options, generator);
    if (result.isEmpty())
        return result;
    return result + u'。';
}
