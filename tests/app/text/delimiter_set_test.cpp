#include "app/text/delimiter_set.h"
#include "app/text/delimiter_scan.h"

#include "text_test_support.h"

TEST(DelimiterSet, TheArticlePatternMatchesItsNineCharacters)
{
    auto const set = DelimiterSet::FromPattern(kDelimiterPattern);
    for (char32_t c : std::u32string_view(U",，:.。!！；;"))
        EXPECT_TRUE(set.Matches(c)) << std::uint32_t(c);
    for (char32_t c : std::u32string_view(U"?？：、“”\"\r\n\\|a 　\t"))
        EXPECT_FALSE(set.Matches(c)) << std::uint32_t(c);
}

TEST(DelimiterSet, EscapesSupplementaryCharactersAndCase)
{
    auto const set = DelimiterSet::FromPattern(u"\\||\\\\|😀|k");
    EXPECT_TRUE(set.Matches(U'|'));
    EXPECT_TRUE(set.Matches(U'\\'));
    EXPECT_TRUE(set.Matches(U'😀'));
    EXPECT_FALSE(set.Matches(U'😁'));
    EXPECT_FALSE(set.Matches(0xD83D)); // half of the emoji
    EXPECT_TRUE(set.Matches(U'k'));
    EXPECT_TRUE(set.Matches(U'K'));
}

TEST(DelimiterSet, RejectsWhatIsNotAnAlternationOfSingleCharacters)
{
    for (auto pattern : { u"", u"a||b", u"|a", u"a|", u"ab|c", u"\\d", u"\\", u"a|.", u"[ab]", u"a*", u"(a)",
             u"\xD83D" }) {
        EXPECT_THROW(DelimiterSet::FromPattern(pattern), DelimiterPatternError)
            << QString::fromUtf16(pattern).toStdString();
    }
}

TEST(DelimiterSet, ErrorNamesThePatternAndTheFault)
{
    try {
        DelimiterSet::FromPattern(u",|ab");
        FAIL();
    } catch (DelimiterPatternError const& error) {
        EXPECT_STREQ(error.what(),
            "Delimiter pattern \",|ab\" is not an alternation of single characters: alternative 2 is longer than one "
            "character");
    }
}
