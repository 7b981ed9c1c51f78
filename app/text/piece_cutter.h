#pragma once

#include "app/text/delimiter_set.h"
#include "app/text/sentence_marker.h"
#include "app/text/text_units.h"

#include <array>
#include <cstddef>
#include <string_view>

// Where an article is cut into pieces: at every delimiter and at every
// sentence marker "[@]" that the article already holds. The pieces are views
// into the article itself, so cutting costs no copy of the text.
struct ArticleCut {
    enum class Kind { Delimiter, Marker, End, MalformedUtf8 };
    Kind kind;
    std::size_t position;
    std::size_t width;
};

// Finds the cuts of a UTF-8 (char) or UTF-16 (char16_t) article. The delimiter
// set must not match a character of the marker, so a delimiter never lies
// inside one.
template <typename Char>
class PieceCutter {
    static_assert(kSentenceMarker[0] < 0x80 && kSentenceMarker[1] < 0x80 && kSentenceMarker[2] < 0x80
            && kSentenceMarker[3] == 0,
        "the marker is three ASCII characters, the same units in UTF-8 and UTF-16");

public:
    using Text = std::basic_string_view<Char>;

    PieceCutter(Text text, const DelimiterSet& delimiters)
        : m_text(text)
        , m_delimiters(delimiters)
    {
        for (char32_t character = 0; character < 0x80; ++character)
            m_asciiStopsScan[character] = character == kSentenceMarker[0] || delimiters.Matches(character);
    }

    Text TextView() const { return m_text; }

    // The first cut at or after from: a delimiter, a marker, the end of the
    // text, or in UTF-8 the first byte that is not well-formed.
    ArticleCut NextCut(std::size_t from) const
    {
        std::size_t position = from;
        while (position < m_text.size()) {
            auto const unit = static_cast<std::make_unsigned_t<Char>>(m_text[position]);
            if (unit < 0x80) {
                if (m_asciiStopsScan[unit]) {
                    if (unit != kSentenceMarker[0])
                        return { ArticleCut::Kind::Delimiter, position, 1 };
                    if (m_text.substr(position, 3) == Text(kMarker.data(), kMarker.size()))
                        return { ArticleCut::Kind::Marker, position, 3 };
                }
                ++position;
                continue;
            }
            if constexpr (sizeof(Char) == 1) {
                if (IsPlainThreeByteCharacterAt(position)) {
                    position += 3;
                    continue;
                }
            }
            auto const character = DecodeAt(m_text, position);
            if (character.width == 0)
                return { ArticleCut::Kind::MalformedUtf8, position, 0 };
            if (m_delimiters.Matches(character.codePoint))
                return { ArticleCut::Kind::Delimiter, position, character.width };
            position += character.width;
        }
        return { ArticleCut::Kind::End, m_text.size(), 0 };
    }

    // The cut that NextCut found at position.
    ArticleCut CutAt(std::size_t position) const
    {
        if (m_text[position] == Char(kSentenceMarker[0]))
            return { ArticleCut::Kind::Marker, position, kMarker.size() };
        return { ArticleCut::Kind::Delimiter, position, DecodeAt(m_text, position).width };
    }

private:
    // Most characters of a Chinese article take three bytes in UTF-8, from
    // blocks of code points that hold no delimiter: those are checked for
    // being well-formed and passed over without decoding them.
    bool IsPlainThreeByteCharacterAt(std::size_t position) const
    {
        auto const lead = static_cast<unsigned char>(m_text[position]);
        // The lead byte of a three-byte character holds the top four bits of
        // its code point, which pick the block.
        if (lead < 0xE0 || lead > 0xEF || m_delimiters.BlockMayMatch(char32_t(lead & 0x0F) << 12) || position + 2 >= m_text.size())
            return false;
        auto const second = static_cast<unsigned char>(m_text[position + 1]);
        auto const third = static_cast<unsigned char>(m_text[position + 2]);
        unsigned const secondMin = lead == 0xE0 ? 0xA0 : 0x80;
        unsigned const secondMax = lead == 0xED ? 0x9F : 0xBF;
        return second >= secondMin && second <= secondMax && (third & 0xC0) == 0x80;
    }

    static constexpr std::array<Char, 3> kMarker { Char(kSentenceMarker[0]), Char(kSentenceMarker[1]), Char(kSentenceMarker[2]) };

    Text m_text;
    const DelimiterSet& m_delimiters;
    std::array<bool, 0x80> m_asciiStopsScan {};
};
