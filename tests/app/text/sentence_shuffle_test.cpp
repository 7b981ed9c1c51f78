#include "app/text/sentence_shuffle.h"
#include "app/text/utf8_input.h"

#include "text_test_support.h"

#include <QRegularExpression>

#include <algorithm>
#include <stdexcept>

namespace {

// An article built from sentences chosen here, so the test knows them without
// cutting the article itself. Each sentence carries a number "#n#" that no
// other has, so a sentence is recognised wherever it lands.
struct Sentence {
    QString text;
    QString end;
};

struct Paragraph {
    QString leading;
    QList<Sentence> sentences;
    // The gap after each sentence; the last one ends the line.
    QStringList gaps;
    // CR LF, LF, or empty for the last line of an article without a final one.
    QString lineBreak;
};

class ArticleMaker {
public:
    explicit ArticleMaker(std::uint32_t seed)
        : m_state(seed)
    {
    }

    QList<Paragraph> Article()
    {
        QList<Paragraph> paragraphs;
        auto const count = 1 + Pick(6);
        for (std::uint32_t i = 0; i < count; ++i)
            paragraphs << MakeParagraph(i + 1 == count);
        return paragraphs;
    }

private:
    std::uint32_t Pick(std::uint32_t range)
    {
        m_state = m_state * 1664525u + 1013904223u;
        return std::uint32_t((std::uint64_t(m_state) * range) >> 32);
    }

    QString OneOf(const QStringList& choices) { return choices[qsizetype(Pick(std::uint32_t(choices.size())))]; }

    Paragraph MakeParagraph(bool last)
    {
        Paragraph paragraph;
        static QStringList const gaps { u""_s, u""_s, u" "_s, u"　"_s, u"\t"_s, u"  "_s };
        paragraph.lineBreak = last && Pick(2) ? QString() : OneOf({ u"\n"_s, u"\r\n"_s });
        if (Pick(5) == 0) {
            // An empty line, or one of spaces only.
            paragraph.leading = OneOf({ u""_s, u"　　"_s, u" \t"_s });
            return paragraph;
        }
        paragraph.leading = OneOf({ u""_s, u""_s, u"　　"_s, u"  "_s });
        auto const count = 1 + Pick(7);
        for (std::uint32_t i = 0; i < count; ++i) {
            // Only the last sentence of a paragraph may go without an end mark.
            paragraph.sentences << MakeSentence(i == 0, i + 1 == count && Pick(3) == 0);
            paragraph.gaps << OneOf(gaps);
        }
        return paragraph;
    }

    Sentence MakeSentence(bool firstOfParagraph, bool withoutEnd)
    {
        static QStringList const words { u"春天"_s, u"来了"_s, u"我们"_s, u"，"_s, u"："_s, u","_s, u":"_s, u"、"_s,
            u"3.14"_s, u"1.2.3"_s, u"www.example.com"_s, u"等等...然后"_s, u"it's ok"_s, u"（注）"_s, u"a.php?id=2"_s,
            u" "_s, u"　"_s, u"\t"_s, u"😀"_s, u"“引”"_s };
        static QStringList const ends { u"。"_s, u"！"_s, u"？"_s, u"；"_s, u"…"_s, u"……"_s, u"？！"_s, u"!!"_s, u"."_s,
            u"!"_s, u"?"_s, u";"_s, u"。。。"_s, u"。”"_s, u"！」"_s, u"？』"_s, u"。）"_s, u"！】"_s, u"。》"_s, u".)"_s,
            u"!]"_s, u"。 ！"_s, u"?."_s, u"？’"_s };
        Sentence sentence;
        bool const quoted = !withoutEnd && Pick(6) == 0;
        if (firstOfParagraph && Pick(6) == 0)
            sentence.text += OneOf({ u"……"_s, u"！"_s, u"。"_s });
        if (quoted)
            sentence.text += u'"';
        sentence.text += u"#%1#"_s.arg(m_next++);
        auto const length = 1 + Pick(5);
        for (std::uint32_t i = 0; i < length; ++i)
            sentence.text += OneOf(words);
        // A sentence's text ends in text, not in a space.
        sentence.text += OneOf({ u"了"_s, u"吗"_s, u"x"_s, u"7"_s });
        if (!withoutEnd)
            sentence.end = OneOf(ends) + (quoted ? u"\""_s : QString());
        return sentence;
    }

    std::uint32_t m_state;
    int m_next { 0 };
};

QString Joined(const QList<Paragraph>& paragraphs)
{
    QString article;
    for (auto const& paragraph : paragraphs) {
        article += paragraph.leading;
        for (qsizetype i = 0; i < paragraph.sentences.size(); ++i)
            article += paragraph.sentences[i].text + paragraph.sentences[i].end + paragraph.gaps[i];
        article += paragraph.lineBreak;
    }
    return article;
}

// Whether the first character of the line after its indentation is an end mark.
bool StartsWithMark(QStringView line)
{
    while (!line.isEmpty() && (line.front() == u' ' || line.front() == u'\t' || line.front() == u'　'))
        line = line.sliced(1);
    return !line.isEmpty() && u"。！？；….!?;"_s.contains(line.front());
}

QStringList Lines(const QString& text)
{
    static QRegularExpression const lineBreak(u"\r\n|\r|\n"_s);
    return text.split(lineBreak);
}

QString WithoutSpaces(QString text)
{
    return text.remove(u' ').remove(u'\t').remove(u'　');
}

// Reads a shuffled article against the sentences it was made of: the
// sentences in any order within each paragraph (within the whole article for
// one paragraph), each with the keyword or without it before its end marks,
// and everything else exactly as the article had it. Returns the number of
// keywords found, or -1 after reporting where the result went astray.
class ShuffleReader {
public:
    ShuffleReader(const QString& result, const ShuffleOptions& options)
        : m_result(result)
        , m_options(options)
    {
    }

    int Read(const QList<Paragraph>& paragraphs)
    {
        if (m_options.removeLineBreaks) {
            QList<Sentence> all;
            for (auto const& paragraph : paragraphs)
                all << paragraph.sentences;
            while (!all.isEmpty()) {
                if (!TakeOneOf(all))
                    return -1;
            }
        } else {
            for (auto const& paragraph : paragraphs) {
                auto sentences = paragraph.sentences;
                if (!Take(paragraph.leading))
                    return -1;
                for (auto const& gap : paragraph.gaps) {
                    if (!TakeOneOf(sentences) || !Take(gap))
                        return -1;
                }
                if (!Take(paragraph.lineBreak))
                    return -1;
            }
        }
        if (m_position != m_result.size()) {
            ADD_FAILURE() << "more text than the article had at " << m_position;
            return -1;
        }
        return m_keywords;
    }

    // Whether some paragraph came back in another order.
    bool Moved() const { return m_moved; }

private:
    bool Take(const QString& expected)
    {
        if (QStringView(m_result).sliced(m_position).startsWith(expected)) {
            m_position += expected.size();
            return true;
        }
        ADD_FAILURE() << "expected \"" << expected.toStdString() << "\" at " << m_position;
        return false;
    }

    // Takes whichever of the sentences stands at the current place.
    bool TakeOneOf(QList<Sentence>& sentences)
    {
        auto const rest = QStringView(m_result).sliced(m_position);
        for (qsizetype i = 0; i < sentences.size(); ++i) {
            auto const clean = [&](const QString& part) { return m_options.removeSpaces ? WithoutSpaces(part) : part; };
            auto const text = clean(sentences[i].text);
            auto const end = clean(sentences[i].end);
            for (bool const keyword : { true, false }) {
                if (keyword && m_options.keyword.isEmpty())
                    continue;
                auto const whole = text + (keyword ? m_options.keyword : QString()) + end;
                if (!rest.startsWith(whole))
                    continue;
                m_moved = m_moved || i != 0;
                m_keywords += keyword ? 1 : 0;
                m_position += whole.size();
                sentences.removeAt(i);
                return true;
            }
        }
        ADD_FAILURE() << "no sentence of the paragraph at " << m_position;
        return false;
    }

    const QString& m_result;
    const ShuffleOptions& m_options;
    qsizetype m_position { 0 };
    int m_keywords { 0 };
    bool m_moved { false };
};

} // namespace

TEST(ShuffleSentences, EveryParagraphKeepsItsSentencesGapsAndLineBreaksInEveryForm)
{
    int movedArticles = 0;
    for (std::uint32_t round = 0; round < 600; ++round) {
        SCOPED_TRACE(testing::Message() << "round " << round);
        auto const paragraphs = ArticleMaker(round).Article();
        auto const article = Joined(paragraphs);
        ShuffleOptions options;
        options.removeSpaces = round % 2 == 0;
        options.removeLineBreaks = round % 3 == 0;
        options.keyword = round % 4 == 0 ? QString() : u"关键词"_s;
        options.frequency = 2 + int(round % 29);

        auto generator = RandomGenerator::Deterministic(round * 7919u);
        auto const result = ShuffleSentencesText(article, options, generator);
        ShuffleReader reader(result, options);
        ASSERT_GE(reader.Read(paragraphs), 0) << "article: " << testing::PrintToString(article) << "\nresult: " << testing::PrintToString(result);
        movedArticles += reader.Moved() ? 1 : 0;

        // No line starts with a mark unless the article's did there.
        auto const articleLines = Lines(article);
        auto const resultLines = Lines(result);
        if (!options.removeLineBreaks) {
            ASSERT_EQ(resultLines.size(), articleLines.size());
        }
        for (qsizetype i = 0; i < resultLines.size(); ++i) {
            bool const articleLineStartedWithMark = options.removeLineBreaks
                ? std::any_of(articleLines.begin(), articleLines.end(), [](const QString& line) { return StartsWithMark(line); })
                : StartsWithMark(articleLines[i]);
            EXPECT_TRUE(!StartsWithMark(resultLines[i]) || articleLineStartedWithMark) << testing::PrintToString(result);
        }

        // The same seed gives the same result, in UTF-8 as in UTF-16.
        auto again = RandomGenerator::Deterministic(round * 7919u);
        EXPECT_EQ(ShuffleUtf8Sentences(article.toUtf8(), options, again), result.toUtf8());
        EXPECT_EQ(again.State(), generator.State());
    }
    EXPECT_GT(movedArticles, 400) << "the sentences hardly moved";
}

TEST(ShuffleSentences, TheKeywordCountFollowsTheFrequency)
{
    for (int const frequency : { ShuffleOptions::kMinFrequency, 5, ShuffleOptions::kMaxFrequency }) {
        ShuffleOptions options;
        options.keyword = u"关键词"_s;
        options.frequency = frequency;
        // Too few sentences for the draws to pass any by: each one gets it.
        auto generator = RandomGenerator::Deterministic(1);
        auto const few = ShuffleSentencesText(u"甲。乙！丙"_s, options, generator);
        EXPECT_EQ(few.count(u"关键词"_s), 3) << few.toStdString();

        // 2000 sentences over 20 paragraphs: about frequency in all.
        QString article;
        for (int paragraph = 0; paragraph < 20; ++paragraph) {
            for (int sentence = 0; sentence < 100; ++sentence)
                article += u"句%1。"_s.arg(sentence);
            article += u'\n';
        }
        int total = 0;
        int const runs = 200;
        for (int run = 0; run < runs; ++run) {
            generator = RandomGenerator::Deterministic(std::uint32_t(run));
            total += int(ShuffleSentencesText(article, options, generator).count(u"关键词"_s));
        }
        double const mean = double(total) / runs;
        EXPECT_NEAR(mean, frequency, 0.15 * frequency);
    }
}

TEST(ShuffleSentences, DrawsFromTheLastPlaceDownAndReseedsBeforeEachDraw)
{
    // Place 2 changes with 0, then place 1 with 0: 春 夏 秋 → 秋 夏 春 → 夏 秋 春.
    ScriptedGenerator scripted({ { 3, 0 }, { 2, 0 } });
    ShuffleOptions options;
    EXPECT_EQ(ShuffleSentencesText(u"春天来了。夏天到了。秋天走了。"_s, options, scripted.Generator()),
        u"夏天到了。秋天走了。春天来了。"_s);
    EXPECT_TRUE(scripted.Finished());

    // The keyword draws follow, one per sentence of the result, with range
    // (5 - 1) div 2; a drawn 0 puts the keyword before the end marks.
    ScriptedGenerator withKeyword({ { 3, 1 }, { 2, 1 }, { 2, 0 }, { 2, 0 }, { 2, 1 }, { 2, 0 }, { 2, 0 }, { 2, 1 } });
    options.keyword = u"啊"_s;
    options.frequency = 2;
    EXPECT_EQ(ShuffleSentencesText(u"甲。”乙！丙\n丁？！戊"_s, options, withKeyword.Generator()), u"甲啊。”丙乙啊！\n戊啊丁？！"_s);
    EXPECT_TRUE(withKeyword.Finished());
}

TEST(ShuffleSentences, NothingIsAddedToArticlesWithoutSentences)
{
    ShuffleOptions options;
    auto generator = RandomGenerator::Deterministic(3);
    EXPECT_EQ(ShuffleSentencesText(u""_s, options, generator), u""_s);
    EXPECT_EQ(ShuffleSentencesText(u"\r\n\n　　\n"_s, options, generator), u"\r\n\n　　\n"_s);
    options.removeLineBreaks = true;
    EXPECT_EQ(ShuffleSentencesText(u"\r\n\n　　\n"_s, options, generator), u""_s);
    EXPECT_EQ(ShuffleSentencesText(u"  甲 乙  \n"_s, options, generator), u"甲乙"_s);
    EXPECT_EQ(generator.State(), 3u) << "a draw was made";
}

TEST(ShuffleSentences, RefusesBadInputBeforeAnyDraw)
{
    auto generator = RandomGenerator::Deterministic(9);
    ShuffleOptions options;
    EXPECT_THROW(ShuffleUtf8Sentences(QByteArrayView("\xE7\x94\xB2\xE3\x80\x82\xFF\xE4\xB9\x99\xE3\x80\x82"), options, generator), Utf8InputError);
    options.frequency = ShuffleOptions::kMaxFrequency + 1;
    EXPECT_THROW(ShuffleSentencesText(u"甲。乙。"_s, options, generator), std::out_of_range);
    EXPECT_EQ(generator.State(), 9u);
    // A byte order mark is no part of the article.
    options.frequency = 5;
    EXPECT_EQ(ShuffleUtf8Sentences(QByteArrayView("\xEF\xBB\xBF\xE7\x94\xB2"), options, generator), QByteArray("\xE7\x94\xB2"));
}

TEST(ShuffleSentences, ProgressClimbsThroughEveryPassAndAThrowAbandonsTheShuffle)
{
    QString article;
    for (int i = 0; i < 2000; ++i)
        article += i % 10 == 9 ? u"第几句。\n"_s : u"第几句！"_s;
    for (bool const oneParagraph : { false, true }) {
        ShuffleOptions options;
        options.removeLineBreaks = oneParagraph;
        auto generator = RandomGenerator::Deterministic(1);
        std::vector<int> reported;
        ShuffleSentencesText(article, options, generator, [&](int percent) { reported.push_back(percent); });
        ASSERT_GT(reported.size(), 50u);
        EXPECT_TRUE(std::ranges::is_sorted(reported));
        // Each of the three passes reports along the way, not only at its end.
        EXPECT_TRUE(std::ranges::any_of(reported, [](int percent) { return percent > 40 && percent < 60; }));
        EXPECT_EQ(reported.back(), 100);

        struct Cancelled { };
        int calls = 0;
        EXPECT_THROW(ShuffleSentencesText(article, options, generator, [&](int) {
            if (++calls == 10)
                throw Cancelled {};
        }),
            Cancelled);
        EXPECT_EQ(calls, 10);
    }
}
