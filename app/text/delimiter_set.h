#pragma once

#include <QStringView>

#include <bitset>
#include <stdexcept>
#include <vector>

// A delimiter pattern that is not an alternation of single characters.
class DelimiterPatternError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The characters a delimiter pattern such as ",|，|:|\.|。" matches. A pattern
// is an alternation of single characters; a character that has a meaning of its
// own in a regular expression is written with a backslash in front ("\.").
// Letters match without regard to case.
class DelimiterSet {
public:
    // Throws DelimiterPatternError for anything but such an alternation.
    static DelimiterSet FromPattern(QStringView pattern);

    bool Matches(char32_t character) const
    {
        return character < 0x10000 ? m_matchesInBasicPlane[character] : MatchesBeyondBasicPlane(character);
    }

    // Whether any character of the aligned block of 4096 basic-plane code
    // points that holds character matches: a scan can pass over a character
    // of a block without a match without decoding it.
    bool BlockMayMatch(char32_t character) const { return character >= 0x10000 || m_blockMayMatch[character >> 12]; }

private:
    DelimiterSet() = default;

    bool MatchesBeyondBasicPlane(char32_t character) const;

    std::vector<char32_t> m_caseFolded;
    // Precomputed answers for the basic plane, which nearly every text stays in.
    std::bitset<0x10000> m_matchesInBasicPlane;
    std::bitset<16> m_blockMayMatch;
};
