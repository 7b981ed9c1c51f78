#include "base/random_generator.h"

#include <chrono>

RandomGenerator::RandomGenerator()
    : m_seedSource(&RandomGenerator::ClockSeed)
{
}

RandomGenerator::RandomGenerator(std::uint32_t state, SeedSource seedSource)
    : m_state(state)
    , m_seedSource(std::move(seedSource))
{
}

RandomGenerator RandomGenerator::Deterministic(std::uint32_t state)
{
    return RandomGenerator(state, nullptr);
}

RandomGenerator& RandomGenerator::ProcessWide()
{
    static RandomGenerator generator;
    return generator;
}

std::uint32_t RandomGenerator::ClockSeed()
{
    auto const ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    return static_cast<std::uint32_t>(ticks);
}

void RandomGenerator::Reseed()
{
    if (m_seedSource)
        m_state = m_seedSource();
}

std::uint32_t RandomGenerator::Draw(std::uint32_t range)
{
    // Unsigned arithmetic wraps, which is exactly the modulo 2^32 step.
    m_state = m_state * 134775813u + 1u;
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(m_state) * range) >> 32);
}
