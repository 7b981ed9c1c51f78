#pragma once

#include <cstdint>
#include <functional>
#include <utility>

// The linear congruential generator every random choice of the program draws
// from: the sentence shuffle, the keyword sprinkling and the noise effect of
// the skin engine all share one process-wide state.
//
// Callers reseed right before each draw. Where the seed comes from is the
// generator's seed source: by default the low 32 bits of a steady
// high-resolution clock. A generator without a seed source keeps its state on
// Reseed(), which makes a run reproducible from a known starting state.
class RandomGenerator {
public:
    using SeedSource = std::function<std::uint32_t()>;

    // State 0, reseeding from the clock.
    RandomGenerator();
    RandomGenerator(std::uint32_t state, SeedSource seedSource);

    // A generator that starts at the given state and never reseeds.
    static RandomGenerator Deterministic(std::uint32_t state);

    // The instance the whole program shares.
    static RandomGenerator& ProcessWide();

    // The low 32 bits of the steady clock's tick count.
    static std::uint32_t ClockSeed();

    std::uint32_t State() const { return m_state; }
    void SetState(std::uint32_t state) { m_state = state; }

    bool Reseeds() const { return static_cast<bool>(m_seedSource); }
    // An empty source makes Reseed() keep the state.
    void SetSeedSource(SeedSource seedSource) { m_seedSource = std::move(seedSource); }

    void Reseed();

    // Advances the state and maps it onto 0 .. range - 1 (0 when range is 0).
    std::uint32_t Draw(std::uint32_t range);

private:
    std::uint32_t m_state { 0 };
    SeedSource m_seedSource;
};
