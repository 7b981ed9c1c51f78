#pragma once

#include "app/text/shuffle_options.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

class RandomGenerator;

// The steps that both shuffles of an article share.

// Throws std::out_of_range when the frequency lies outside
// kMinFrequency .. kMaxFrequency.
void CheckFrequency(const ShuffleOptions& options);

// Throws std::length_error for an article of 2^32 - 1 code units or more,
// whose offsets would not fit the 32 bits a shuffle keeps them in.
void CheckArticleLength(std::size_t length);

// Whether the keyword follows each of count shuffled units: none when the
// keyword is empty, else each with chance 1 / ((count - 1) div frequency),
// every one when that is 0, so a long article receives about frequency
// keywords in all. Reseeds before each draw.
std::vector<bool> DrawKeywordPlaces(std::size_t count, const ShuffleOptions& options, RandomGenerator& generator);

// The keyword in UTF-8 (char) or UTF-16 (char16_t), as given.
template <typename Char>
std::basic_string<Char> KeywordIn(const QString& keyword)
{
    if constexpr (sizeof(Char) == 1) {
        auto const bytes = keyword.toUtf8();
        return { bytes.constData(), std::size_t(bytes.size()) };
    } else {
        return { reinterpret_cast<const char16_t*>(keyword.utf16()), std::size_t(keyword.size()) };
    }
}

// A result of at least size code units, not yet filled, and where its units
// start. The caller cuts it back to what it wrote.
std::pair<QString, char16_t*> Utf16ResultBuffer(std::size_t size);
std::pair<QByteArray, char*> Utf8ResultBuffer(std::size_t size);
