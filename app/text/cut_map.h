#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

// One bit per code unit of an article, set where a cut starts. Finding the end
// of a piece, or the cut before a position, then costs a look at a word or two
// instead of another scan of the text: an eighth (UTF-8) or a sixteenth
// (UTF-16) of the article's size buys that.
class CutMap {
public:
    explicit CutMap(std::size_t length)
        : m_length(length)
        , m_words((length + 63) / 64)
    {
    }

    void Set(std::size_t position) { m_words[position / 64] |= std::uint64_t(1) << (position % 64); }

    // Asks the processor to fetch the word that NextAtOrAfter(position) starts
    // with, ahead of a lookup at a random place.
    void Prefetch(std::size_t position) const { __builtin_prefetch(m_words.data() + position / 64); }

    // The first cut at or after position, or the length when there is none.
    std::size_t NextAtOrAfter(std::size_t position) const
    {
        if (position >= m_length)
            return m_length;
        std::size_t word = position / 64;
        std::uint64_t bits = m_words[word] & (~std::uint64_t(0) << (position % 64));
        while (bits == 0) {
            if (++word == m_words.size())
                return m_length;
            bits = m_words[word];
        }
        return word * 64 + std::size_t(std::countr_zero(bits));
    }

    // The last cut before end, or npos when there is none.
    std::size_t PreviousBefore(std::size_t end) const
    {
        if (end == 0)
            return npos;
        std::size_t word = (end - 1) / 64;
        std::uint64_t bits = m_words[word] & (~std::uint64_t(0) >> (63 - (end - 1) % 64));
        while (bits == 0) {
            if (word == 0)
                return npos;
            bits = m_words[--word];
        }
        return word * 64 + 63 - std::size_t(std::countl_zero(bits));
    }

    static constexpr std::size_t npos = std::size_t(-1);

private:
    std::size_t m_length;
    std::vector<std::uint64_t> m_words;
};
