#include "app/text/shuffle_steps.h"

#include "base/random_generator.h"

#include <cstdint>
#include <limits>
#include <stdexcept>

void CheckFrequency(const ShuffleOptions& options)
{
    if (options.frequency < ShuffleOptions::kMinFrequency || options.frequency > ShuffleOptions::kMaxFrequency)
        throw std::out_of_range("The keyword frequency must lie between 2 and 30");
}

void CheckArticleLength(std::size_t length)
{
    if (length >= std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("The article is too long: it must stay under 4294967295 characters");
}

std::vector<bool> DrawKeywordPlaces(std::size_t count, const ShuffleOptions& options, RandomGenerator& generator)
{
    std::vector<bool> places;
    if (options.keyword.isEmpty())
        return places;
    places.resize(count);
    auto const chance = std::uint32_t((count - 1) / std::size_t(options.frequency));
    for (std::size_t i = 0; i < count; ++i) {
        generator.Reseed();
        places[i] = generator.Draw(chance) == 0;
    }
    return places;
}

std::pair<QString, char16_t*> Utf16ResultBuffer(std::size_t size)
{
    QString buffer(qsizetype(size), Qt::Uninitialized);
    auto* data = reinterpret_cast<char16_t*>(buffer.data());
    return { std::move(buffer), data };
}

std::pair<QByteArray, char*> Utf8ResultBuffer(std::size_t size)
{
    QByteArray buffer(qsizetype(size), Qt::Uninitialized);
    auto* data = buffer.data();
    return { std::move(buffer), data };
}
