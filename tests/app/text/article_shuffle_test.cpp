#include "app/text/article_shuffle.h"

#include "text_test_support.h"

#include <stdexcept>

namespace {

ShuffleOptions KeepingLineBreaks()
{
    return {};
}

ShuffleOptions RemovingLineBreaks()
{
    ShuffleOptions options;
    options.removeLineBreaks = true;
    return options;
}

ShuffleOptions WithKeyword(QString keyword, int frequency, bool removeLineBreaks)
{
    ShuffleOptions options;
    options.keyword = std::move(keyword);
    options.frequency = frequency;
    options.removeLineBreaks = removeLineBreaks;
    return options;
}

// Partner draws are one less than the partner index.
std::vector<ScriptedDraw> Partners(std::uint32_t pieceCount, std::vector<std::uint32_t> partners)
{
    std::vector<ScriptedDraw> draws;
    for (auto partner : partners)
        draws.push_back({ pieceCount - 1, partner - 1 });
    return draws;
}

QString Shuffle(const QString& article, const ShuffleOptions& options, std::vector<ScriptedDraw> draws,
    QStringList& delimiters)
{
    ScriptedGenerator scripted(std::move(draws));
    auto result = ShuffleArticle(article, options, delimiters, scripted.Generator());
    EXPECT_TRUE(scripted.Finished()) << "only " << scripted.Reseeds() << " draws made";
    return result;
}

QString Shuffle(const QString& article, const ShuffleOptions& options, std::vector<ScriptedDraw> draws)
{
    QStringList delimiters;
    return Shuffle(article, options, std::move(draws), delimiters);
}

} // namespace

TEST(ShuffleArticle, TwoDelimitersWithPartnersTwoOneOne)
{
    QStringList delimiters;
    EXPECT_EQ(Shuffle(u"甲，乙。"_s, KeepingLineBreaks(), Partners(3, { 2, 1, 1 }), delimiters), u"\r\n。甲，乙。"_s);
    EXPECT_EQ(delimiters, (QStringList { u"，"_s, u"。"_s }));
    EXPECT_EQ(Shuffle(u"甲，乙。"_s, RemovingLineBreaks(), Partners(3, { 2, 1, 1 })), u"。甲，乙。"_s);
}

TEST(ShuffleArticle, TwoPiecesAlwaysExchange)
{
    EXPECT_EQ(Shuffle(u"甲。"_s, KeepingLineBreaks(), Partners(2, { 1, 1 })), u"\r\n。甲。"_s);
    EXPECT_EQ(Shuffle(u"甲。"_s, RemovingLineBreaks(), Partners(2, { 1, 1 })), u"。甲。"_s);
    for (std::uint32_t seed : { 0u, 1u, 0xFFFFFFFFu }) {
        QStringList delimiters;
        auto generator = RandomGenerator::Deterministic(seed);
        EXPECT_EQ(ShuffleArticle(u"甲。"_s, KeepingLineBreaks(), delimiters, generator), u"\r\n。甲。"_s);
    }
}

TEST(ShuffleArticle, LinesAfterADelimiterOpenTheNextPiece)
{
    QStringList delimiters;
    EXPECT_EQ(Shuffle(u"甲，乙。\n丙！"_s, KeepingLineBreaks(), Partners(4, { 1, 1, 1, 1 }), delimiters),
        u"乙！\r\n。甲，\r\n丙。"_s);
    EXPECT_EQ(delimiters, (QStringList { u"，"_s, u"。"_s, u"！"_s }));
    EXPECT_EQ(Shuffle(u"甲，乙。\r\n丙！"_s, RemovingLineBreaks(), Partners(4, { 1, 1, 1, 1 })), u"乙！。甲，丙。"_s);
}

TEST(ShuffleArticle, RepeatedDelimitersAndQuestionMarks)
{
    EXPECT_EQ(Shuffle(u"好，好，好。"_s, KeepingLineBreaks(), Partners(4, { 3, 1, 2, 3 })), u"\r\n。好，好，好。"_s);
    EXPECT_EQ(Shuffle(u"好吗？好。"_s, KeepingLineBreaks(), Partners(2, { 1, 1 })), u"\r\n。好吗？好。"_s);
}

TEST(ShuffleArticle, MarkerInTheArticleCutsWithoutADelimiter)
{
    EXPECT_EQ(Shuffle(u"甲[@]乙。"_s, KeepingLineBreaks(), Partners(3, { 2, 1, 1 })), u"\r\n。甲乙。"_s);
}

TEST(ShuffleArticle, MixedLineBreaksBecomeCrLf)
{
    auto const article = u"甲\r乙\n丙\n\r丁。"_s;
    EXPECT_EQ(Shuffle(article, KeepingLineBreaks(), Partners(2, { 1, 1 })), u"\r\n。甲\r\n乙\r\n丙\r\n\r\n丁。"_s);
    EXPECT_EQ(Shuffle(article, RemovingLineBreaks(), Partners(2, { 1, 1 })), u"。甲乙丙丁。"_s);
}

TEST(ShuffleArticle, SupplementaryCharactersAndNulSurvive)
{
    EXPECT_EQ(Shuffle(u"😀𠀀，好。"_s, RemovingLineBreaks(), Partners(3, { 1, 2, 1 })), u"好。😀𠀀，。"_s);
    auto const withNul = u"甲"_s + QChar(0) + u"乙。"_s;
    EXPECT_EQ(Shuffle(withNul, RemovingLineBreaks(), Partners(2, { 1, 1 })), u"。甲"_s + QChar(0) + u"乙。"_s);
}

TEST(ShuffleArticle, EmptyArticleDrawsNothingAndHasNoResult)
{
    QStringList delimiters { u"，"_s };
    EXPECT_EQ(Shuffle(QString(), WithKeyword(u"词"_s, 5, false), {}, delimiters), QString());
    EXPECT_TRUE(delimiters.isEmpty());
    // Only line breaks, all removed: nothing left to show either.
    EXPECT_EQ(Shuffle(u"\n\n"_s, RemovingLineBreaks(), {}), QString());
}

TEST(ShuffleArticle, OnePieceIsNotShuffled)
{
    EXPECT_EQ(Shuffle(u"没有标点"_s, KeepingLineBreaks(), {}), u"没有标点\r\n。"_s);
    EXPECT_EQ(Shuffle(u"没有标点"_s, RemovingLineBreaks(), {}), u"没有标点。"_s);
    // The keyword still has its draw, with range 0.
    EXPECT_EQ(Shuffle(u"没有标点"_s, WithKeyword(u"词"_s, 5, true), { { 0, 0 } }), u"没有标点词。"_s);
}

TEST(ShuffleArticle, FewPiecesGetTheKeywordEverywhere)
{
    auto draws = Partners(3, { 2, 1, 1 });
    draws.insert(draws.end(), { { 0, 0 }, { 0, 0 }, { 0, 0 } });
    EXPECT_EQ(Shuffle(u"甲，乙。"_s, WithKeyword(u"词"_s, 5, true), draws), u"词。甲词，乙词。"_s);
    // A keyword of spaces counts and keeps its spaces.
    EXPECT_EQ(Shuffle(u"甲，乙。"_s, WithKeyword(u"  "_s, 2, true), draws), u"  。甲  ，乙  。"_s);
}

TEST(ShuffleArticle, FrequencyOutsideItsRangeIsRefused)
{
    for (int frequency : { 1, 31, 0, -5 }) {
        QStringList delimiters { u"，"_s };
        auto generator = RandomGenerator::Deterministic(0);
        EXPECT_THROW(ShuffleArticle(u"甲，乙。"_s, WithKeyword(u"词"_s, frequency, false), delimiters, generator),
            std::out_of_range);
        EXPECT_EQ(delimiters, QStringList { u"，"_s });
        EXPECT_EQ(generator.State(), 0u);
    }
}

TEST(ShuffleArticle, FixedStartingStateIsReproducible)
{
    // From state 0 the partner draws are 1, 1, 2.
    QStringList delimiters;
    auto generator = RandomGenerator::Deterministic(0);
    EXPECT_EQ(ShuffleArticle(u"甲，乙。"_s, KeepingLineBreaks(), delimiters, generator), u"乙。甲，\r\n。"_s);
    EXPECT_EQ(generator.State(), 3698175007u);
}

TEST(AssemblePieces, DelimitersReturnInReverseOrderByPosition)
{
    QStringList const pieces { u"a"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s };
    QStringList const delimiters { u"1"_s, u"2"_s, u"3"_s };
    auto generator = RandomGenerator::Deterministic(0);
    EXPECT_EQ(AssemblePieces(pieces, delimiters, KeepingLineBreaks(), generator), u"a3b2c1de"_s);
    EXPECT_EQ(generator.State(), 0u);
}

TEST(AssemblePieces, KeywordFollowsPiecesWhoseDrawIsZero)
{
    // Eleven pieces at frequency 5: each draw has range (11 - 1) / 5 = 2.
    QStringList pieces;
    for (char16_t c = u'a'; c <= u'k'; ++c)
        pieces.append(QString(QChar(c)));
    std::vector<ScriptedDraw> draws;
    for (std::uint32_t value : { 0, 1, 1, 0, 1, 1, 1, 1, 1, 1, 0 })
        draws.push_back({ 2, value });
    ScriptedGenerator scripted(draws);
    EXPECT_EQ(AssemblePieces(pieces, {}, WithKeyword(u"K"_s, 5, false), scripted.Generator()), u"aKbcdKefghijkK"_s);
    EXPECT_TRUE(scripted.Finished());
}

TEST(AssemblePieces, CleaningActsOnThePieceOnly)
{
    QStringList const pieces { u" 甲\t乙　\r\n丙 "_s, u"\r\n 丁 \r\n戊\r\n"_s, u" \x01己 庚\n"_s, u"　\x01甲　\r\n"_s };
    QStringList const delimiters { u"，"_s, u"。"_s };
    auto generator = RandomGenerator::Deterministic(0);

    EXPECT_EQ(AssemblePieces(pieces, delimiters, KeepingLineBreaks(), generator), u"甲乙\r\n丙。\r\n丁\r\n戊\r\n，\x01己庚\n\x01甲\r\n"_s);

    ShuffleOptions linesOnly;
    linesOnly.removeSpaces = false;
    linesOnly.removeLineBreaks = true;
    EXPECT_EQ(AssemblePieces(pieces, delimiters, linesOnly, generator), u"甲\t乙　丙。丁 戊，己 庚　\x01甲　"_s);

    ShuffleOptions nothing;
    nothing.removeSpaces = false;
    EXPECT_EQ(AssemblePieces(pieces, {}, nothing, generator), pieces.join(QString()));

    EXPECT_EQ(AssemblePieces(pieces, delimiters, RemovingLineBreaks(), generator), u"甲乙丙。丁戊，己庚甲"_s);
}
