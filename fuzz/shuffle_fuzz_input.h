#pragma once

// What the shuffle fuzz targets share: the article and options read from the
// fuzzer's bytes, and the two forms of a shuffle run on them.
#include "app/text/shuffle_options.h"
#include "app/text/utf8_input.h"
#include "base/random_generator.h"
#include "fuzz/fuzz_support.h"

#include <QByteArray>
#include <QByteArrayView>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>

struct ShuffleFuzzInput {
    ShuffleOptions options;
    std::uint32_t seed { 0 };
    QByteArrayView article;
};

// Bytes before the article: flags, frequency, keyword length and seed; then
// the keyword, up to 8 bytes of it.
inline std::optional<ShuffleFuzzInput> ReadShuffleFuzzInput(const std::uint8_t* data, std::size_t size)
{
    constexpr std::size_t kHeaderSize = 7;
    constexpr std::size_t kMaxKeywordBytes = 8;
    if (size < kHeaderSize)
        return std::nullopt;
    ShuffleFuzzInput input;
    input.options.removeSpaces = (data[0] & 1) != 0;
    input.options.removeLineBreaks = (data[0] & 2) != 0;
    input.options.frequency = ShuffleOptions::kMinFrequency + data[1] % (ShuffleOptions::kMaxFrequency - ShuffleOptions::kMinFrequency + 1);
    auto const keywordBytes = std::min<std::size_t>(data[2] % (kMaxKeywordBytes + 1), size - kHeaderSize);
    std::memcpy(&input.seed, data + 3, sizeof input.seed);
    auto const* text = reinterpret_cast<const char*>(data + kHeaderSize);
    input.options.keyword = QString::fromUtf8(text, qsizetype(keywordBytes));
    input.article = QByteArrayView(text + keywordBytes, qsizetype(size - kHeaderSize - keywordBytes));
    return input;
}

// An article shuffled in both forms from the same seed.
struct ShuffledArticle {
    ShuffleFuzzInput input;
    QString article;
    QString result;
};

// Reads the input and shuffles its article in UTF-8 and in UTF-16, which must
// give the same result after the same draws. A shuffle may refuse only
// malformed UTF-8, and before any draw. Nothing for input too short or
// refused.
template <typename Utf8Shuffle, typename Utf16Shuffle>
std::optional<ShuffledArticle> ShuffleInBothForms(const std::uint8_t* data, std::size_t size, Utf8Shuffle shuffleUtf8,
    Utf16Shuffle shuffleUtf16)
{
    auto const input = ReadShuffleFuzzInput(data, size);
    if (!input)
        return std::nullopt;
    auto utf8Generator = RandomGenerator::Deterministic(input->seed);
    QByteArray utf8Result;
    try {
        utf8Result = shuffleUtf8(input->article, input->options, utf8Generator);
    } catch (const Utf8InputError&) {
        Require(FindInvalidUtf8(input->article) != -1 && utf8Generator.State() == input->seed);
        return std::nullopt;
    }
    Require(FindInvalidUtf8(input->article) == -1);
    ShuffledArticle shuffled { *input, DecodeUtf8Text(input->article), QString() };
    auto generator = RandomGenerator::Deterministic(input->seed);
    shuffled.result = shuffleUtf16(shuffled.article, input->options, generator);
    Require(shuffled.result.toUtf8() == utf8Result && generator.State() == utf8Generator.State());
    return shuffled;
}
