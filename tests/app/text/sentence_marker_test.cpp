#include "app/text/sentence_marker.h"

#include "text_test_support.h"

TEST(SplitAtMarker, CutsAtEveryMarker)
{
    EXPECT_EQ(SplitAtMarker(u"甲[@]乙[@]\r\n丙[@]\r\n"_s, u"[@]"_s),
        (QStringList { u"甲"_s, u"乙"_s, u"\r\n丙"_s, u"\r\n"_s }));
    EXPECT_EQ(SplitAtMarker(u"[@][@]"_s, u"[@]"_s), (QStringList { QString(), QString(), QString() }));
    EXPECT_EQ(SplitAtMarker(u"[@[@]]"_s, u"[@]"_s), (QStringList { u"[@"_s, u"]"_s }));
}

TEST(SplitAtMarker, EdgeTexts)
{
    EXPECT_TRUE(SplitAtMarker(QString(), u"[@]"_s).isEmpty());
    EXPECT_EQ(SplitAtMarker(u"无标记\r\n"_s, u"[@]"_s), QStringList { u"无标记\r\n"_s });
    EXPECT_EQ(SplitAtMarker(u"a[@]b"_s, QString()), QStringList { u"a[@]b"_s });
}
