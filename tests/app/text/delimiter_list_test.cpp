#include "app/text/article_shuffle.h"
#include "app/text/delimiter_list.h"

#include "text_test_support.h"

TEST(DelimiterList, HoldsTheArticlesDelimitersInOrderOneCharacterEach)
{
    auto list = ArticleDelimiterList(u"甲，乙。丙[@]丁！,"_s);
    EXPECT_EQ(list.Count(), 4);
    EXPECT_EQ(list.ToStringList(), (QStringList { u"，"_s, u"。"_s, u"！"_s, u","_s }));

    // A character beyond the basic plane is one delimiter, not two halves.
    list.Append(u"😀"_s);
    list.Append(u"，"_s);
    EXPECT_EQ(list.Count(), 6);
    EXPECT_EQ(list.ToStringList().mid(3), (QStringList { u","_s, u"😀"_s, u"，"_s }));

    list.Clear();
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_TRUE(list.ToStringList().isEmpty());
    EXPECT_TRUE(ArticleDelimiterList(u"没有标点"_s).IsEmpty());
}
