#pragma once

#include <cstddef>
#include <string_view>

// Reading characters out of the two forms the article pipeline works on:
// UTF-8 bytes (char) and UTF-16 code units (char16_t).

// One character: its code point and how many code units it takes. A width of
// 0 marks bytes that are not well-formed UTF-8.
struct DecodedCharacter {
    char32_t codePoint;
    std::size_t width;
};

// The character that starts at position, which lies inside the text. Overlong
// forms, surrogates and code points past U+10FFFF are not well-formed.
inline DecodedCharacter DecodeAt(std::string_view text, std::size_t position)
{
    auto const byteAt = [&](std::size_t offset) -> unsigned {
        return position + offset < text.size() ? static_cast<unsigned char>(text[position + offset]) : 0;
    };
    unsigned const lead = byteAt(0);
    if (lead < 0x80)
        return { lead, 1 };
    // The second byte's range is what rules out overlong forms, surrogates and
    // code points past U+10FFFF.
    unsigned secondMin = 0x80;
    unsigned secondMax = 0xBF;
    std::size_t length = 0;
    char32_t value = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0F;
        if (lead == 0xE0)
            secondMin = 0xA0;
        else if (lead == 0xED)
            secondMax = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07;
        if (lead == 0xF0)
            secondMin = 0x90;
        else if (lead == 0xF4)
            secondMax = 0x8F;
    } else {
        return { 0, 0 };
    }
    unsigned const second = byteAt(1);
    if (second < secondMin || second > secondMax)
        return { 0, 0 };
    value = (value << 6) | (second & 0x3F);
    for (std::size_t offset = 2; offset < length; ++offset) {
        unsigned const continuation = byteAt(offset);
        if ((continuation & 0xC0) != 0x80)
            return { 0, 0 };
        value = (value << 6) | (continuation & 0x3F);
    }
    return { value, length };
}

// A surrogate pair is one character; a lone surrogate is a character of its own.
inline DecodedCharacter DecodeAt(std::u16string_view text, std::size_t position)
{
    char16_t const first = text[position];
    bool const high = first >= 0xD800 && first <= 0xDBFF;
    if (high && position + 1 < text.size() && text[position + 1] >= 0xDC00 && text[position + 1] <= 0xDFFF)
        return { 0x10000 + ((char32_t(first) - 0xD800) << 10) + (char32_t(text[position + 1]) - 0xDC00), 2 };
    return { first, 1 };
}
