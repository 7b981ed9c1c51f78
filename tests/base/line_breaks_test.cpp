#include "base/line_breaks.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(LineBreaks, LfLineBreaksLeaveLoneCarriageReturns)
{
    EXPECT_EQ(WithLfLineBreaks(u"a\r\nb\rc\n\r\n"_s), u"a\nb\rc\n\n"_s);
}

TEST(LineBreaks, MillionsOfLineBreaksBecomeLfInOnePass)
{
    QString text;
    for (int i = 0; i < 1'000'000; ++i)
        text += u"句\r\n\r"_s;
    auto const converted = WithLfLineBreaks(text);
    ASSERT_EQ(converted.size(), 3'000'000);
    EXPECT_EQ(converted.count(u'\n'), 1'000'000);
    EXPECT_EQ(converted.count(u'\r'), 1'000'000);
    EXPECT_TRUE(converted.startsWith(u"句\n\r句\n\r"_s));
    EXPECT_EQ(WithLfLineBreaks(u"no breaks"_s), u"no breaks"_s);
}
