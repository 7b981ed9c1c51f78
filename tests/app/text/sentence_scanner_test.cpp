#include "app/text/sentence_scanner.h"

#include "text_test_support.h"

#include <string_view>

namespace {

// The sentences of an article as "text|end marks", and its line breaks, in
// the order the scanner reports them.
template <typename Char>
QStringList Scanned(std::basic_string_view<Char> text, std::size_t* malformedAt = nullptr)
{
    auto const decode = [&](std::size_t from, std::size_t to) {
        if constexpr (sizeof(Char) == 1)
            return QString::fromUtf8(text.data() + from, qsizetype(to - from));
        else
            return QString::fromUtf16(text.data() + from, qsizetype(to - from));
    };
    QStringList found;
    auto const stop = SentenceScanner<Char>(text).Scan(
        [&](SentenceBounds sentence) {
            EXPECT_LT(sentence.start, sentence.end);
            found << decode(sentence.start, sentence.bodyEnd) + u'|' + decode(sentence.bodyEnd, sentence.end);
        },
        [&](std::size_t position, std::size_t width) { found << decode(position, position + width); });
    if (malformedAt)
        *malformedAt = stop;
    else
        EXPECT_EQ(stop, SentenceScanner<Char>::npos);
    return found;
}

} // namespace

TEST(SentenceScanner, FindsSentencesWithTheirOwnEndMarksInBothForms)
{
    struct Case {
        QString article;
        QStringList sentences;
    };
    QList<Case> const cases {
        { u"春天来了。夏天到了。秋天走了。"_s, { u"春天来了|。"_s, u"夏天到了|。"_s, u"秋天走了|。"_s } },
        // A run of marks is one end; text after the last one is a sentence too.
        { u"真的吗？！当然……好吧"_s, { u"真的吗|？！"_s, u"当然|……"_s, u"好吧|"_s } },
        { u"好!!再见?!走;来…"_s, { u"好|!!"_s, u"再见|?!"_s, u"走|;"_s, u"来|…"_s } },
        // Commas and colons never cut.
        { u"甲，乙：丙,丁:戊。"_s, { u"甲，乙：丙,丁:戊|。"_s } },
        // Full stops inside numbers, versions, addresses and ellipses.
        { u"圆周率是3.14。版本1.2.3好! 见www.example.com. 等等...然后呢?"_s,
            { u"圆周率是3.14|。"_s, u"版本1.2.3好|!"_s, u"见www.example.com|."_s, u"等等...然后呢|?"_s } },
        { u"他走了..."_s, { u"他走了...|"_s } },
        { u"问a.php?id=1好。"_s, { u"问a.php?id=1好|。"_s } },
        // Closing quotes and brackets stay with the mark before them.
        { u"他说：“走吧！”我们走了。（完）"_s, { u"他说：“走吧|！”"_s, u"我们走了|。"_s, u"（完）|"_s } },
        { u"「好。」『行！』【注。】《书。》（括。）"_s, { u"「好|。」"_s, u"『行|！』"_s, u"【注|。】"_s, u"《书|。》"_s, u"（括|。）"_s } },
        // An ASCII quote after a mark closes only one that is open.
        { u"他说:\"走吧!\"好。\"下一句\"完了."_s, { u"他说:\"走吧|!\""_s, u"好|。"_s, u"\"下一句\"完了|."_s } },
        { u"It's fine. 'Yes.' he said (twice.) ok"_s, { u"It's fine|."_s, u"'Yes|.'"_s, u"he said (twice|.)"_s, u"ok|"_s } },
        // Marks after spaces join the run; marks that open a paragraph are text.
        { u"好。 ！坏。"_s, { u"好|。 ！"_s, u"坏|。"_s } },
        { u"……开头。！又"_s, { u"……开头|。！"_s, u"又|"_s } },
        { u"。"_s, { u"。|"_s } },
        // Gaps between sentences, indentation and empty lines belong to none.
        { u"　　甲。 乙！\t\r\n\r\n \n丙\r丁 "_s, { u"甲|。"_s, u"乙|！"_s, u"\r\n"_s, u"\r\n"_s, u"\n"_s, u"丙|"_s, u"\r"_s, u"丁|"_s } },
        { u""_s, {} },
        { u"\n"_s, { u"\n"_s } },
    };
    for (auto const& [article, sentences] : cases) {
        SCOPED_TRACE(article.toStdString());
        EXPECT_EQ(Scanned(std::u16string_view(reinterpret_cast<const char16_t*>(article.utf16()), std::size_t(article.size()))), sentences);
        auto const bytes = article.toUtf8();
        EXPECT_EQ(Scanned(std::string_view(bytes.constData(), std::size_t(bytes.size()))), sentences);
    }
}

TEST(SentenceScanner, StopsAtTheFirstMalformedByte)
{
    std::size_t stop = 0;
    auto const found = Scanned(std::string_view("\xE7\x94\xB2\xE3\x80\x82\xE4\xB9\n\xE4\xB9\x99"), &stop);
    EXPECT_EQ(stop, 6u);
    EXPECT_EQ(found, QStringList { u"甲|。"_s });
    // An ideographic space cut short is no space.
    Scanned(std::string_view("\xE7\x94\xB2\xE3\x80"), &stop);
    EXPECT_EQ(stop, 3u);
}
