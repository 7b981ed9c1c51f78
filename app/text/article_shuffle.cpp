#include "app/text/article_shuffle.h"

#include "app/text/cut_map.h"
#include "app/text/delimiter_scan.h"
#include "app/text/piece_cutter.h"
#include "app/text/shuffle_steps.h"
#include "app/text/utf8_input.h"
#include "base/line_breaks.h"
#include "base/random_generator.h"

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string_view>
#include <utility>
#include <vector>

namespace {

std::u16string_view AsView(QStringView text)
{
    return { text.utf16(), std::size_t(text.size()) };
}

QStringView TrimmedOfControlsAndSpaces(QStringView text)
{
    while (!text.isEmpty() && text.front().unicode() <= 0x20)
        text = text.sliced(1);
    while (!text.isEmpty() && text.back().unicode() <= 0x20)
        text.chop(1);
    return text;
}

template <typename Pieces>
void ShuffleInPlace(Pieces& pieces, RandomGenerator& generator, const std::function<void(std::size_t)>& advance = {})
{
    auto const count = std::size_t(pieces.size());
    if (count < 2)
        return;
    for (std::size_t i = 0; i < count; ++i) {
        generator.Reseed();
        auto const partner = std::size_t(generator.Draw(std::uint32_t(count - 1))) + 1;
        std::swap(pieces[i], pieces[partner]);
        if (advance)
            advance(1);
    }
}

// Where each piece of the article starts, in article order, where the cuts
// are and how many of them are delimiters. Stops at the first malformed UTF-8
// byte.
struct PieceStarts {
    explicit PieceStarts(std::size_t length)
        : cuts(length)
    {
    }

    std::vector<std::uint32_t> starts;
    CutMap cuts;
    std::size_t delimiterCount { 0 };
    std::size_t malformedAt { std::string_view::npos };
};

template <typename Char>
PieceStarts FindPieceStarts(const PieceCutter<Char>& cutter, ProgressMeter& meter)
{
    auto const text = cutter.TextView();
    PieceStarts found(text.size());
    if (text.empty())
        return found;
    CheckArticleLength(text.size());
    std::size_t position = 0;
    std::size_t cutCount = 0;
    for (;;) {
        auto const cut = cutter.NextCut(position);
        meter.Advance(cut.position + cut.width - position);
        if (cut.kind == ArticleCut::Kind::End)
            break;
        if (cut.kind == ArticleCut::Kind::MalformedUtf8) {
            found.malformedAt = cut.position;
            return found;
        }
        if (cut.kind == ArticleCut::Kind::Delimiter)
            ++found.delimiterCount;
        found.cuts.Set(cut.position);
        ++cutCount;
        position = cut.position + cut.width;
    }
    // Sized once: a list grown step by step would need half as much again
    // while it moves, on an article of nothing but delimiters.
    found.starts.reserve(cutCount + 1);
    found.starts.push_back(0);
    for (auto cut = found.cuts.NextAtOrAfter(0); cut != text.size(); cut = found.cuts.NextAtOrAfter(cut + 1))
        found.starts.push_back(std::uint32_t(cut + cutter.CutAt(cut).width));
    return found;
}

template <typename Char>
constexpr std::basic_string_view<Char> kClosingFullStop = [] {
    if constexpr (sizeof(Char) == 1)
        return std::basic_string_view<Char>("\xE3\x80\x82");
    else
        return std::basic_string_view<Char>(u"\u3002");
}();

// The shuffle of a whole article from its cut to the result. makeBuffer(size)
// gives the result, at least size units long, and where its units start; the
// result is cut back to what was written.
template <typename Char, typename Result, typename MakeBuffer>
Result ShuffleCutArticle(const PieceCutter<Char>& cutter, PieceStarts cut, const ShuffleOptions& options,
    LineBreakStyle lineBreaks, RandomGenerator& generator, ProgressMeter& meter, MakeBuffer makeBuffer)
{
    auto const text = cutter.TextView();
    auto& pieceStarts = cut.starts;
    // The shuffle counts as much work as a pass over the text.
    auto const workPerPiece = text.size() / std::max<std::size_t>(pieceStarts.size(), 1);
    ShuffleInPlace(pieceStarts, generator, [&](std::size_t pieces) { meter.Advance(pieces * workPerPiece); });
    auto const count = pieceStarts.size();
    // These draws come after all the shuffle's draws and before any other, so
    // they can be made before the reassembly, which then knows its size.
    auto const keywordPlaces = DrawKeywordPlaces(count, options, generator);
    auto const keyword = KeywordIn<Char>(lineBreaks == LineBreakStyle::Lf ? WithLfLineBreaks(options.keyword) : options.keyword);
    bool const keywordStartsWithLoneLf = options.keyword.startsWith(u'\n');

    // Cleaning never lengthens a piece but CR LF can double a lone break.
    std::size_t bound = text.size() * (lineBreaks == LineBreakStyle::CrLf ? 2 : 1) + 2 + kClosingFullStop<Char>.size();
    for (bool const place : keywordPlaces)
        bound += place ? keyword.size() : 0;
    auto [result, buffer] = makeBuffer(bound);

    PieceWriter<Char> writer(buffer,
        { options.removeSpaces, options.removeLineBreaks, true, lineBreaks });
    // The line rules end the text with a line break unless it ends with one.
    bool const endsWithLineBreak = !text.empty() && (text.back() == Char(u'\r') || text.back() == Char(u'\n'));
    std::size_t delimitersFrom = text.size();
    // The pieces lie at random places by now: fetching a few ahead hides the
    // wait for memory.
    constexpr std::size_t kPrefetchDistance = 8;
    for (std::size_t i = 0; i < count; ++i) {
        if (i + kPrefetchDistance < count) {
            auto const ahead = std::size_t(pieceStarts[i + kPrefetchDistance]);
            cut.cuts.Prefetch(ahead);
            __builtin_prefetch(text.data() + ahead);
        }
        auto const start = std::size_t(pieceStarts[i]);
        auto const end = cut.cuts.NextAtOrAfter(start);
        writer.AppendPiece(text.substr(start, end - start), end == text.size() && !endsWithLineBreak);
        if (!keywordPlaces.empty() && keywordPlaces[i])
            writer.AppendKeyword(keyword, keywordStartsWithLoneLf);
        if (i < cut.delimiterCount) {
            // The delimiters come back from the last one on; trimmed, one of
            // codes 0 to 32 would vanish.
            auto delimiter = cutter.CutAt(cut.cuts.PreviousBefore(delimitersFrom));
            while (delimiter.kind == ArticleCut::Kind::Marker)
                delimiter = cutter.CutAt(cut.cuts.PreviousBefore(delimiter.position));
            delimitersFrom = delimiter.position;
            if (std::make_unsigned_t<Char>(text[delimiter.position]) > 0x20)
                writer.Append(text.substr(delimiter.position, delimiter.width));
        }
        meter.Advance(end - start + 1);
    }
    meter.Finish();
    if (writer.Size() != 0)
        writer.Append(kClosingFullStop<Char>);
    result.resize(qsizetype(writer.Size()));
    return std::move(result);
}

std::size_t TotalWork(std::size_t length)
{
    // Cutting, shuffling and writing each count one step per code unit.
    return 3 * length;
}

} // namespace

QString ShuffleArticleText(QStringView article, const ShuffleOptions& options, LineBreakStyle lineBreaks,
    RandomGenerator& generator, const ShuffleProgress& progress)
{
    CheckFrequency(options);
    auto const text = AsView(article);
    PieceCutter<char16_t> const cutter(text, ArticleDelimiters());
    ProgressMeter meter(progress, TotalWork(text.size()));
    auto cut = FindPieceStarts(cutter, meter);
    return ShuffleCutArticle<char16_t, QString>(cutter, std::move(cut), options, lineBreaks, generator, meter, Utf16ResultBuffer);
}

QByteArray ShuffleUtf8Article(QByteArrayView article, const ShuffleOptions& options, RandomGenerator& generator)
{
    CheckFrequency(options);
    auto const skipped = article.startsWith(kUtf8ByteOrderMark) ? kUtf8ByteOrderMark.size() : 0;
    std::string_view const text(article.data() + skipped, std::size_t(article.size() - skipped));
    PieceCutter<char> const cutter(text, ArticleDelimiters());
    ShuffleProgress const noProgress;
    ProgressMeter meter(noProgress, TotalWork(text.size()));
    auto cut = FindPieceStarts(cutter, meter);
    if (cut.malformedAt != std::string_view::npos)
        throw InvalidUtf8At(article, qsizetype(cut.malformedAt) + skipped);
    return ShuffleCutArticle<char, QByteArray>(cutter, std::move(cut), options, LineBreakStyle::Lf, generator, meter, Utf8ResultBuffer);
}

DelimiterList ArticleDelimiterList(QStringView article)
{
    PieceCutter<char16_t> const cutter(AsView(article), ArticleDelimiters());
    DelimiterList delimiters;
    for (auto cut = cutter.NextCut(0); cut.kind != ArticleCut::Kind::End; cut = cutter.NextCut(cut.position + cut.width)) {
        if (cut.kind == ArticleCut::Kind::Delimiter)
            delimiters.Append(article.sliced(qsizetype(cut.position), qsizetype(cut.width)));
    }
    return delimiters;
}

QString ShuffleArticle(const QString& article, const ShuffleOptions& options, QStringList& delimiters,
    RandomGenerator& generator)
{
    CheckFrequency(options);
    delimiters = ArticleDelimiterList(article).ToStringList();
    return ShuffleArticleText(article, options, LineBreakStyle::CrLf, generator);
}

void ShufflePieces(QStringList& pieces, RandomGenerator& generator)
{
    ShuffleInPlace(pieces, generator);
}

QString AssemblePieces(const QStringList& pieces, const QStringList& delimiters, const ShuffleOptions& options,
    RandomGenerator& generator)
{
    CheckFrequency(options);
    auto const keywordPlaces = DrawKeywordPlaces(std::size_t(pieces.size()), options, generator);
    qsizetype length = 0;
    for (auto const& piece : pieces)
        length += piece.size() + options.keyword.size();
    for (auto const& delimiter : delimiters)
        length += delimiter.size();
    QString result(length, Qt::Uninitialized);
    PieceWriter<char16_t> writer(reinterpret_cast<char16_t*>(result.data()),
        { options.removeSpaces, options.removeLineBreaks, false, LineBreakStyle::CrLf });
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        writer.AppendPiece(AsView(pieces[i]), false);
        if (!keywordPlaces.empty() && keywordPlaces[std::size_t(i)])
            writer.AppendKeyword(AsView(options.keyword), options.keyword.startsWith(u'\n'));
        if (i < delimiters.size())
            writer.Append(AsView(TrimmedOfControlsAndSpaces(delimiters[delimiters.size() - 1 - i])));
    }
    result.resize(qsizetype(writer.Size()));
    return result;
}
