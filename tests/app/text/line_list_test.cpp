#include "app/text/line_list.h"

#include "text_test_support.h"

TEST(LineList, EachKindOfLineBreakEndsOneLine)
{
    EXPECT_EQ(SplitIntoLines(u"a\r\nb\rc\nd"_s), (QStringList { u"a"_s, u"b"_s, u"c"_s, u"d"_s }));
    // LF CR is two line breaks, the second line empty.
    EXPECT_EQ(SplitIntoLines(u"a\n\rb"_s), (QStringList { u"a"_s, QString(), u"b"_s }));
    EXPECT_EQ(SplitIntoLines(u"\r\n\r\n"_s), (QStringList { QString(), QString() }));
    EXPECT_EQ(SplitIntoLines(u"\r\r\n\n"_s), (QStringList { QString(), QString(), QString() }));
}

TEST(LineList, TextAfterTheLastBreakIsALineOnlyWhenNotEmpty)
{
    EXPECT_EQ(SplitIntoLines(u"甲\r\n"_s), QStringList { u"甲"_s });
    EXPECT_EQ(SplitIntoLines(u"甲"_s), QStringList { u"甲"_s });
    EXPECT_TRUE(SplitIntoLines(QString()).isEmpty());
}

TEST(LineList, NulIsAnOrdinaryCharacter)
{
    QString const text = u"前"_s + QChar(0) + u"后\n尾"_s;
    EXPECT_EQ(SplitIntoLines(text), (QStringList { u"前"_s + QChar(0) + u"后"_s, u"尾"_s }));
}

TEST(LineList, JoinEndsEveryLineWithCrLf)
{
    EXPECT_EQ(JoinLines({ u"a"_s, QString(), u"b"_s }), u"a\r\n\r\nb\r\n"_s);
    EXPECT_EQ(JoinLines({}), QString());
    // The round trip turns every break into CR LF and ends the text with exactly one.
    EXPECT_EQ(JoinLines(SplitIntoLines(u"a\rb\nc"_s)), u"a\r\nb\r\nc\r\n"_s);
    EXPECT_EQ(JoinLines(SplitIntoLines(u"a\r\n"_s)), u"a\r\n"_s);
}
