#include "app/text/utf8_input.h"

#include "text_test_support.h"

TEST(Utf8Input, FindsTheFirstMalformedByte)
{
    EXPECT_EQ(FindInvalidUtf8("plain ascii"), -1);
    EXPECT_EQ(FindInvalidUtf8("\xE7\x94\xB2\xEF\xBC\x8C\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF"), -1); // 甲，😀 U+10FFFF
    EXPECT_EQ(FindInvalidUtf8("ab\xFF"), 2);
    EXPECT_EQ(FindInvalidUtf8("a\xC0\xAF"), 1); // overlong "/"
    EXPECT_EQ(FindInvalidUtf8("a\xE0\x80\xAF"), 1); // overlong, three bytes
    EXPECT_EQ(FindInvalidUtf8("\xED\xA0\x80"), 0); // a surrogate
    EXPECT_EQ(FindInvalidUtf8("\xF4\x90\x80\x80"), 0); // past U+10FFFF
    EXPECT_EQ(FindInvalidUtf8("\xE7\x94"), 0); // cut short
    EXPECT_EQ(FindInvalidUtf8("\xE7\x94\xB2\x80"), 3); // stray continuation
    EXPECT_EQ(FindInvalidUtf8("\xE7(\xB2"), 0);
}

TEST(Utf8Input, DecodesWholeTextsAndDropsTheByteOrderMark)
{
    EXPECT_EQ(DecodeUtf8Text("\xEF\xBB\xBF\xE7\x94\xB2\r\n"), u"甲\r\n"_s);
    EXPECT_EQ(DecodeUtf8Text("\xEF\xBB\xBF\xEF\xBB\xBF\xE7\x94\xB2"), u"\uFEFF甲"_s);
    EXPECT_EQ(DecodeUtf8Text(QByteArrayView("a\0b", 3)), u"a"_s + QChar(0) + u"b"_s);
    EXPECT_TRUE(DecodeUtf8Text("").isEmpty());
    try {
        DecodeUtf8Text("ok\xC3");
        FAIL();
    } catch (Utf8InputError const& error) {
        EXPECT_STREQ(error.what(), "the input is not valid UTF-8 (byte 2, counting from 0, is 0xc3)");
    }
}
