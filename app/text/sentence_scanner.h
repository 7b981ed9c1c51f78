#pragma once

#include "app/text/text_units.h"

#include <array>
#include <cstddef>
#include <string_view>
#include <type_traits>

// Where a sentence lies in an article: from start to end, its end marks and
// the closing quotes and brackets after them from bodyEnd on. A sentence
// without an end mark (the text after a paragraph's last one) has bodyEnd
// equal to end.
struct SentenceBounds {
    std::size_t start;
    std::size_t bodyEnd;
    std::size_t end;
};

// The width of the line break at position: 2 for CR LF, else 1.
template <typename Char>
std::size_t LineBreakWidthAt(std::basic_string_view<Char> text, std::size_t position)
{
    return text[position] == Char('\r') && position + 1 < text.size() && text[position + 1] == Char('\n') ? 2 : 1;
}

// Finds the sentences of a UTF-8 (char) or UTF-16 (char16_t) article, one
// paragraph (line) at a time. A line break is CR LF, a lone CR or a lone LF.
//
// A sentence ends with a run of end marks: 。！？；… and their ASCII forms
// . ! ? ;, where "？！", "……" or "!!" is one run. Closing quotes and brackets
// right after the run (” ’ 」 』 ） 】 》 〉 〕 〗 ］ ｝ ) ] }, and an ASCII " or '
// while one is open) belong to it, and so do further marks after spaces
// ("好。 ！"), so that no sentence but a paragraph's first starts with a mark.
// An ASCII mark directly followed by an ASCII letter or digit ends nothing
// (3.14, 1.2.3, www.example.com, a.php?id=1), nor does a run of ASCII full
// stops that no other mark opens (an ellipsis "..."). Marks at the very start
// of a paragraph belong to its first sentence's text. Commas and colons never
// end a sentence.
//
// Spaces, tabs, ideographic spaces and other control characters between
// sentences, and at the start and end of a line, belong to no sentence.
template <typename Char>
class SentenceScanner {
public:
    using Text = std::basic_string_view<Char>;
    static constexpr std::size_t npos = std::size_t(-1);

    explicit SentenceScanner(Text text)
        : m_text(text)
    {
    }

    // Calls onSentence(SentenceBounds) for every sentence and
    // onLineBreak(position, width) for every line break, in the article's
    // order. Returns npos, or in UTF-8 the position of the first byte that is
    // not well-formed, where the scan stops.
    template <typename OnSentence, typename OnLineBreak>
    std::size_t Scan(OnSentence&& onSentence, OnLineBreak&& onLineBreak) const
    {
        std::size_t position = 0;
        for (;;) {
            Quotes quotes;
            position = SkipGaps(position);
            bool firstOfLine = true;
            while (position < m_text.size() && !IsLineBreak(m_text[position])) {
                auto const start = position;
                if (firstOfLine)
                    position = SkipLeadingMarks(position);
                firstOfLine = false;
                for (;;) {
                    auto const character = Read(position);
                    if (character.kind == Kind::Malformed)
                        return position;
                    if (character.kind == Kind::LineBreak || character.kind == Kind::End) {
                        auto const end = TrimmedGapsBefore(position, start);
                        onSentence(SentenceBounds { start, end, end });
                        break;
                    }
                    if (EndsBodyAt(character, position)) {
                        auto const bodyEnd = position;
                        position = RunEnd(position, quotes);
                        onSentence(SentenceBounds { start, bodyEnd, position });
                        position = SkipGaps(position);
                        break;
                    }
                    if (character.kind == Kind::Quote)
                        quotes.Toggle(m_text, position);
                    position += character.width;
                }
            }
            if (position >= m_text.size())
                return npos;
            auto const width = LineBreakWidthAt(m_text, position);
            onLineBreak(position, width);
            position += width;
        }
    }

private:
    using Unit = std::make_unsigned_t<Char>;

    enum class Kind : unsigned char { Text, Gap, Mark, AsciiMark, Closer, Quote, LineBreak, End, Malformed };

    struct Character {
        Kind kind;
        std::size_t width;
    };

    // Which ASCII " and ' are open in the paragraph so far. An ASCII ' between
    // two letters is an apostrophe and opens nothing.
    struct Quotes {
        bool doubleOpen { false };
        bool singleOpen { false };

        bool& OpenFlag(Char quote) { return quote == Char('"') ? doubleOpen : singleOpen; }

        void Toggle(Text text, std::size_t position)
        {
            if (text[position] == Char('\'') && position > 0 && IsAsciiLetter(text[position - 1])
                && position + 1 < text.size() && IsAsciiLetter(text[position + 1]))
                return;
            OpenFlag(text[position]) = !OpenFlag(text[position]);
        }
    };

    static constexpr bool IsLineBreak(Char unit) { return unit == Char('\r') || unit == Char('\n'); }
    static constexpr bool IsAsciiLetter(Char unit)
    {
        return (unit >= Char('a') && unit <= Char('z')) || (unit >= Char('A') && unit <= Char('Z'));
    }
    static constexpr bool IsAsciiLetterOrDigit(Char unit) { return IsAsciiLetter(unit) || (unit >= Char('0') && unit <= Char('9')); }

    static constexpr std::array<Kind, 0x80> kAsciiKinds = [] {
        std::array<Kind, 0x80> kinds {};
        for (std::size_t unit = 0; unit < kinds.size(); ++unit)
            kinds[unit] = unit <= 0x20 ? Kind::Gap : Kind::Text;
        kinds['\r'] = kinds['\n'] = Kind::LineBreak;
        kinds['.'] = kinds['!'] = kinds['?'] = kinds[';'] = Kind::AsciiMark;
        kinds[')'] = kinds[']'] = kinds['}'] = Kind::Closer;
        kinds['"'] = kinds['\''] = Kind::Quote;
        return kinds;
    }();

    static constexpr Kind KindOf(char32_t codePoint)
    {
        switch (codePoint) {
        case U'\u3002': case U'\uFF01': case U'\uFF1F': case U'\uFF1B': case U'\u2026':
            return Kind::Mark;
        case U'\u201D': case U'\u2019': case U'\u300D': case U'\u300F': case U'\uFF09': case U'\u3011':
        case U'\u300B': case U'\u3009': case U'\u3015': case U'\u3017': case U'\uFF3D': case U'\uFF5D':
            return Kind::Closer;
        case U'\u3000':
            return Kind::Gap;
        default:
            return Kind::Text;
        }
    }

    Character Read(std::size_t position) const
    {
        if (position >= m_text.size())
            return { Kind::End, 0 };
        auto const unit = Unit(m_text[position]);
        if (unit < 0x80)
            return { kAsciiKinds[unit], 1 };
        if constexpr (sizeof(Char) == 1) {
            if (IsPlainThreeByteCharacterAt(position))
                return { Kind::Text, 3 };
            auto const character = DecodeAt(m_text, position);
            if (character.width == 0)
                return { Kind::Malformed, 0 };
            return { KindOf(character.codePoint), character.width };
        } else {
            // No mark, closer or gap lies outside the basic plane, so each
            // half of a surrogate pair can pass as text of its own.
            return { KindOf(unit), 1 };
        }
    }

    // Most characters of a Chinese article take three bytes in UTF-8, from
    // blocks of code points that hold no mark, closer or gap (those lie in
    // U+2000..U+2FFF, U+3000..U+3FFF and U+F000..U+FFFF): such a character is
    // checked for being well-formed and passed over without decoding it.
    bool IsPlainThreeByteCharacterAt(std::size_t position) const
    {
        auto const lead = static_cast<unsigned char>(m_text[position]);
        if (lead < 0xE1 || lead == 0xE2 || lead == 0xE3 || lead > 0xEE || position + 2 >= m_text.size())
            return false;
        auto const second = static_cast<unsigned char>(m_text[position + 1]);
        auto const third = static_cast<unsigned char>(m_text[position + 2]);
        unsigned const secondMax = lead == 0xED ? 0x9F : 0xBF;
        return second >= 0x80 && second <= secondMax && (third & 0xC0) == 0x80;
    }

    bool EndsBodyAt(Character character, std::size_t position) const
    {
        if (character.kind == Kind::Mark)
            return true;
        if (character.kind != Kind::AsciiMark)
            return false;
        if (position + 1 < m_text.size() && IsAsciiLetterOrDigit(m_text[position + 1]))
            return false;
        bool const dotBeside = (position + 1 < m_text.size() && m_text[position + 1] == Char('.'))
            || (position > 0 && m_text[position - 1] == Char('.'));
        return m_text[position] != Char('.') || !dotBeside;
    }

    static bool IsMark(Character character) { return character.kind == Kind::Mark || character.kind == Kind::AsciiMark; }

    // Whether the character at position belongs to an end run: a mark, a
    // closer, or an ASCII quote that closes one that is open.
    bool ExtendsRun(Character character, std::size_t position, Quotes& quotes) const
    {
        if (character.kind == Kind::Quote)
            return quotes.OpenFlag(m_text[position]);
        return IsMark(character) || character.kind == Kind::Closer;
    }

    // The end of the run of marks and closers that starts at position.
    std::size_t RunEnd(std::size_t position, Quotes& quotes) const
    {
        for (;;) {
            for (auto character = Read(position); ExtendsRun(character, position, quotes); character = Read(position)) {
                if (character.kind == Kind::Quote)
                    quotes.OpenFlag(m_text[position]) = false;
                position += character.width;
            }
            auto const afterGaps = SkipGaps(position);
            if (afterGaps == position || !ExtendsRun(Read(afterGaps), afterGaps, quotes))
                return position;
            position = afterGaps;
        }
    }

    std::size_t SkipGaps(std::size_t position) const
    {
        for (auto character = Read(position); character.kind == Kind::Gap; character = Read(position))
            position += character.width;
        return position;
    }

    std::size_t SkipLeadingMarks(std::size_t position) const
    {
        for (auto character = Read(position); IsMark(character) || character.kind == Kind::Gap; character = Read(position))
            position += character.width;
        return position;
    }

    // Where the gaps that end the text from start to end begin.
    std::size_t TrimmedGapsBefore(std::size_t end, std::size_t start) const
    {
        static constexpr std::basic_string_view<Char> kIdeographicSpace = [] {
            if constexpr (sizeof(Char) == 1)
                return std::basic_string_view<Char>("\xE3\x80\x80");
            else
                return std::basic_string_view<Char>(u"\u3000");
        }();
        while (end > start) {
            if (Unit(m_text[end - 1]) <= 0x20)
                --end;
            else if (m_text.substr(start, end - start).ends_with(kIdeographicSpace))
                end -= kIdeographicSpace.size();
            else
                break;
        }
        return end;
    }

    Text m_text;
};
