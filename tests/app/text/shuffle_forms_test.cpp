#include "app/text/article_shuffle.h"
#include "app/text/delimiter_scan.h"
#include "app/text/line_list.h"
#include "app/text/sentence_marker.h"
#include "app/text/utf8_input.h"
#include "base/line_breaks.h"

#include "text_test_support.h"

#include <stdexcept>

namespace {

// The shuffle command step by step, one string per piece, as the window's
// pipeline was first written: the yardstick for the one-pass shuffle.
QString StagedShuffle(const QString& article, const ShuffleOptions& options, RandomGenerator& generator)
{
    QStringList delimiters;
    auto const lines = MarkDelimiters(QString::fromUtf16(kDelimiterPattern), article, delimiters);
    auto pieces = SplitAtMarker(JoinLines(lines), QString::fromUtf16(kSentenceMarker));
    ShufflePieces(pieces, generator);
    auto const result = AssemblePieces(pieces, delimiters, options, generator);
    return result.isEmpty() ? result : result + u'。';
}

// Articles built from the pieces that trouble a cutter: every kind of line
// break, spaces of three kinds, markers whole and broken, NUL and controls,
// surrogate pairs, question marks and all nine delimiters.
QString TrickyArticle(std::uint32_t& state, int length)
{
    static QStringList const parts { u"甲"_s, u"乙"_s, u"a"_s, u" "_s, u"\t"_s, u"　"_s, u"\r"_s, u"\n"_s,
        u"\r\n"_s, u"，"_s, u"。"_s, u","_s, u"."_s, u"!"_s, u"！"_s, u"；"_s, u";"_s, u":"_s, u"["_s, u"@"_s,
        u"]"_s, u"[@]"_s, u"\x01"_s, QString(QChar(0)), u"😀"_s, u"？"_s, u" \r\n "_s };
    QString article;
    for (int i = 0; i < length; ++i) {
        state = state * 1664525u + 1013904223u;
        article += parts[qsizetype((std::uint64_t(state) * std::uint64_t(parts.size())) >> 32)];
    }
    return article;
}

} // namespace

TEST(ShuffleForms, OnePassShuffleEqualsTheStagedOneInEveryForm)
{
    QStringList const keywords { QString(), u"词"_s, u"\r"_s, u"\n"_s, u"a\r\nb\r"_s, u"\n\r"_s, u" "_s, u"\r\n:\r"_s };
    std::uint32_t state = 99;
    for (int round = 0; round < 400; ++round) {
        auto const article = TrickyArticle(state, round % 50);
        ShuffleOptions options;
        options.removeSpaces = round % 2 == 0;
        options.removeLineBreaks = round % 3 == 0;
        options.keyword = keywords[round % keywords.size()];
        options.frequency = 2 + round % 29;
        auto const seed = state;
        SCOPED_TRACE(testing::Message() << "round " << round);

        auto staged = RandomGenerator::Deterministic(seed);
        auto const expected = StagedShuffle(article, options, staged);

        auto crLf = RandomGenerator::Deterministic(seed);
        EXPECT_EQ(ShuffleArticleText(article, options, LineBreakStyle::CrLf, crLf), expected);
        EXPECT_EQ(crLf.State(), staged.State());

        auto lf = RandomGenerator::Deterministic(seed);
        auto const expectedLf = WithLfLineBreaks(expected);
        EXPECT_EQ(ShuffleArticleText(article, options, LineBreakStyle::Lf, lf), expectedLf);

        auto utf8 = RandomGenerator::Deterministic(seed);
        EXPECT_EQ(ShuffleUtf8Article(article.toUtf8(), options, utf8), expectedLf.toUtf8());
        EXPECT_EQ(utf8.State(), staged.State());
    }
}

TEST(ShuffleForms, Utf8ArticleDropsItsByteOrderMarkAndRefusesMalformedBytesBeforeAnyDraw)
{
    auto generator = RandomGenerator::Deterministic(0);
    EXPECT_EQ(ShuffleUtf8Article("\xEF\xBB\xBF甲，乙。", {}, generator), "乙。甲，\n。");

    generator = RandomGenerator::Deterministic(5);
    try {
        ShuffleUtf8Article("\xEF\xBB\xBF甲，\xE7\x94乙。", {}, generator);
        FAIL() << "malformed UTF-8 was accepted";
    } catch (Utf8InputError const& error) {
        // Offsets count the byte order mark: it is part of the input.
        EXPECT_STREQ(error.what(), "the input is not valid UTF-8 (byte 9, counting from 0, is 0xe7)");
    }
    EXPECT_EQ(generator.State(), 5u);
}

TEST(ShuffleForms, ProgressClimbsToTheEndAndAThrowAbandonsTheShuffle)
{
    QString article;
    for (int i = 0; i < 20000; ++i)
        article += u"第几句，"_s;
    auto generator = RandomGenerator::Deterministic(1);
    std::vector<int> reported;
    auto const result = ShuffleArticleText(article, {}, LineBreakStyle::Lf, generator, [&](int percent) { reported.push_back(percent); });
    EXPECT_EQ(result.count(u'，'), 20000);
    ASSERT_GT(reported.size(), 50u);
    EXPECT_TRUE(std::ranges::is_sorted(reported));
    EXPECT_EQ(reported.back(), 100);

    struct Cancelled { };
    int calls = 0;
    EXPECT_THROW(ShuffleArticleText(article, {}, LineBreakStyle::Lf, generator, [&](int) {
        if (++calls == 10)
            throw Cancelled {};
    }),
        Cancelled);
    EXPECT_EQ(calls, 10);
}

TEST(ShuffleForms, AnArticleOfCommasOnlyKeepsEveryComma)
{
    // Millions of empty pieces: each is a view, not a string of its own.
    constexpr qsizetype kCommas = 3'000'000;
    auto generator = RandomGenerator::Deterministic(3);
    auto const result = ShuffleUtf8Article(QByteArray(kCommas, ','), {}, generator);
    // Every piece is empty but the last one, the line break the line rules add.
    EXPECT_EQ(result.size(), kCommas + 1 + 3);
    EXPECT_EQ(result.count(','), kCommas);
    EXPECT_EQ(result.count('\n'), 1);
    EXPECT_TRUE(result.endsWith("。"));
}
