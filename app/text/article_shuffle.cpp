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

bool IsRemovableSpace(QChar character)
{
    return character == u' ' || character == u'\u3000' || character == u'\t';
}

bool IsLineBreak(QChar character)
{
    return character == u'\r' || character == u'\n';
}

QStringView TrimmedOfControlsAndSpaces(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsControlOrSpace(text[begin]))
        ++begin;
    while (end > begin && IsControlOrSpace(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

// Appends the piece with its spaces removed, then trimmed of controls and
// spaces and stripped of CR and LF, as far as the options ask. Done in one pass
// straight into the result, because a long article has hundreds of thousands
// of pieces: the characters that the removal of spaces drops cannot stop the
// trim, so the trim can look at the piece before the removal.
void AppendCleanedPiece(QString& result, QStringView piece, const ShuffleOptions& options)
{
    auto const removed = [&](QChar c) {
        return (options.removeSpaces && IsRemovableSpace(c)) || (options.removeLineBreaks && IsLineBreak(c));
    };
    qsizetype begin = 0;
    qsizetype end = piece.size();
    if (options.removeLineBreaks) {
        auto const trimmed = [&](QChar c) { return IsControlOrSpace(c) || removed(c); };
        while (begin < end && trimmed(piece[begin]))
            ++begin;
        while (end > begin && trimmed(piece[end - 1]))
            --end;
    }
    qsizetype keptFrom = begin;
    for (qsizetype position = begin; position < end; ++position) {
        if (removed(piece[position])) {
            result.append(piece.sliced(keptFrom, position - keptFrom));
            keptFrom = position + 1;
        }
    }
    result.append(piece.sliced(keptFrom, end - keptFrom));
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
        AppendCleanedPiece(result, pieces[i], options);
        if (!options.keyword.isEmpty()) {
            generator.Reseed();
            if (generator.Draw(keywordChance) == 0)
                result.append(options.keyword);
        }
        if (i < delimiters.size())
            result.append(TrimmedOfControlsAndSpaces(delimiters[delimiters.size() - 1 - i]));
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
