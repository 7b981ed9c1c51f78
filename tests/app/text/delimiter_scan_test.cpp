#include "app/text/delimiter_scan.h"

#include "app/text/delimiter_set.h"
#include "app/text/line_list.h"

#include "text_test_support.h"

namespace {

QStringList Mark(const QString& text, QStringList& delimiters)
{
    return MarkDelimiters(QString::fromUtf16(kDelimiterPattern), text, delimiters);
}

} // namespace

TEST(MarkDelimiters, RecordsEachDelimiterAndMarksItsPlace)
{
    QStringList delimiters { u"stale"_s };
    EXPECT_EQ(Mark(u"甲，乙。\r\n丙！"_s, delimiters), (QStringList { u"甲[@]乙[@]"_s, u"丙[@]"_s }));
    EXPECT_EQ(delimiters, (QStringList { u"，"_s, u"。"_s, u"！"_s }));

    EXPECT_EQ(Mark(u"好，好，好。"_s, delimiters), QStringList { u"好[@]好[@]好[@]"_s });
    EXPECT_EQ(delimiters, (QStringList { u"，"_s, u"，"_s, u"。"_s }));

    EXPECT_EQ(Mark(u"a,b:c.d!e;f"_s, delimiters), QStringList { u"a[@]b[@]c[@]d[@]e[@]f"_s });
    EXPECT_EQ(delimiters, (QStringList { u","_s, u":"_s, u"."_s, u"!"_s, u";"_s }));
}

TEST(MarkDelimiters, LeavesOtherPunctuationAlone)
{
    QStringList delimiters;
    EXPECT_EQ(Mark(u"好吗？好?“是”：一、二。"_s, delimiters), QStringList { u"好吗？好?“是”：一、二[@]"_s });
    EXPECT_EQ(delimiters, QStringList { u"。"_s });
}

TEST(MarkDelimiters, AdjacentDelimitersAndMarkersAlreadyInTheText)
{
    QStringList delimiters;
    EXPECT_EQ(Mark(u"啊！！[@]哦"_s, delimiters), QStringList { u"啊[@][@][@]哦"_s });
    EXPECT_EQ(delimiters, (QStringList { u"！"_s, u"！"_s }));
}

TEST(MarkDelimiters, EmptyTextAndTextWithoutDelimiters)
{
    QStringList delimiters { u"。"_s };
    EXPECT_TRUE(Mark(QString(), delimiters).isEmpty());
    EXPECT_TRUE(delimiters.isEmpty());
    EXPECT_EQ(Mark(u"没有标点\n第二行"_s, delimiters), (QStringList { u"没有标点"_s, u"第二行"_s }));
    EXPECT_TRUE(delimiters.isEmpty());
}

TEST(MarkDelimiters, SupplementaryCharactersAreWholeCharacters)
{
    QStringList delimiters;
    EXPECT_EQ(Mark(u"😀，𠀀。"_s, delimiters), QStringList { u"😀[@]𠀀[@]"_s });
    EXPECT_EQ(delimiters, (QStringList { u"，"_s, u"。"_s }));

    // 😀 and 😁 share their first half: only the whole pair matches.
    EXPECT_EQ(MarkDelimiters(u"😀|,"_s, u"😁😀,😀"_s, delimiters), QStringList { u"😁[@][@][@]"_s });
    EXPECT_EQ(delimiters, (QStringList { u"😀"_s, u","_s, u"😀"_s }));

    // A lone half of a pair is kept as it is.
    QString const broken = QChar(0xD83D) + u"，"_s + QChar(0xDE00);
    EXPECT_EQ(Mark(broken, delimiters), QStringList { QChar(0xD83D) + u"[@]"_s + QChar(0xDE00) });
}

TEST(MarkDelimiters, LettersMatchWithoutRegardToCase)
{
    QStringList delimiters;
    EXPECT_EQ(MarkDelimiters(u"x"_s, u"axbXc"_s, delimiters), QStringList { u"a[@]b[@]c"_s });
    EXPECT_EQ(delimiters, (QStringList { u"x"_s, u"X"_s }));
}

TEST(MarkDelimiters, NulDoesNotEndTheText)
{
    QStringList delimiters;
    QString const text = u"甲"_s + QChar(0) + u"乙。丙"_s;
    EXPECT_EQ(Mark(text, delimiters), QStringList { u"甲"_s + QChar(0) + u"乙[@]丙"_s });
}

TEST(MarkDelimiters, RejectedPatternLeavesTheDelimitersAlone)
{
    QStringList delimiters { u"，"_s };
    EXPECT_THROW(MarkDelimiters(u",|\\w"_s, u"a,b"_s, delimiters), DelimiterPatternError);
    EXPECT_THROW(MarkDelimiters(u",|@"_s, u"a,b"_s, delimiters), DelimiterPatternError);
    EXPECT_THROW(MarkDelimiters(u"\\]"_s, u"a,b"_s, delimiters), DelimiterPatternError);
    EXPECT_EQ(delimiters, QStringList { u"，"_s });
}

TEST(MarkDelimiters, AgreesWithReplacingEachMatchInTurn)
{
    // The slow way: for every delimiter found, replace all its occurrences in
    // the whole working copy again.
    auto const replacingEachMatch = [](const QString& text, QStringList& delimiters) {
        delimiters.clear();
        QString working = text;
        for (QChar const c : text) {
            if (QStringView(u",，:.。!！；;").contains(c)) {
                delimiters.append(QString(c));
                working.replace(QString(c), u"[@]"_s);
            }
        }
        return SplitIntoLines(working);
    };
    QStringList const alphabet { u"甲"_s, u"a"_s, u"，"_s, u"。"_s, u"."_s, u";"_s, u"！"_s, u"？"_s, u"[@]"_s, u"@"_s,
        u"\r"_s, u"\n"_s, u" "_s, u"😀"_s, QString(QChar(0)) };
    auto generator = RandomGenerator::Deterministic(2024);
    for (int round = 0; round < 300; ++round) {
        QString text;
        auto const length = generator.Draw(40);
        for (std::uint32_t i = 0; i < length; ++i)
            text += alphabet[generator.Draw(std::uint32_t(alphabet.size()))];
        QStringList fast;
        QStringList slow;
        EXPECT_EQ(Mark(text, fast), replacingEachMatch(text, slow)) << text.toStdString();
        EXPECT_EQ(fast, slow) << text.toStdString();
    }
}
