#pragma once

// What the shuffle fuzz targets share: the article and options read from the
// fuzzer's bytes, and the UTF-8 shuffle run on them.
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
#include <utility>

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

// The UTF-8 result and the generator after it, or nothing when the shuffle
// refused the article, which it may do only for malformed UTF-8 and before
// any draw.
template <typename Utf8Shuffle>
std::optional<std::pair<QByteArray, RandomGenerator>> ShuffleUtf8OrRefuse(const ShuffleFuzzInput& input, Utf8Shuffle shuffle)
{
    auto generator = RandomGenerator::Deterministic(input.seed);
    try {
        auto result = shuffle(input.article, input.options, generator);
        Require(FindInvalidUtf8(input.article) == -1);
        return std::pair { std::move(result), std::move(generator) };
    } catch (const Utf8InputError&) {
        Require(FindInvalidUtf8(input.article) != -1 && generator.State() == input.seed);
        return std::nullopt;
    }
}
