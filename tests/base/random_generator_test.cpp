#include "base/random_generator.h"

#include <gtest/gtest.h>

#include <vector>

TEST(RandomGenerator, DrawSequenceFromZero)
{
    // States and draws worked out independently with arbitrary-precision arithmetic.
    auto generator = RandomGenerator::Deterministic(0);
    EXPECT_EQ(generator.Draw(100), 0u);
    EXPECT_EQ(generator.State(), 1u);
    EXPECT_EQ(generator.Draw(100), 3u);
    EXPECT_EQ(generator.State(), 134775814u);
    EXPECT_EQ(generator.Draw(100), 86u);
    EXPECT_EQ(generator.State(), 3698175007u);
    EXPECT_EQ(generator.Draw(1000), 202u);
    EXPECT_EQ(generator.Draw(2), 0u);
    EXPECT_EQ(generator.State(), 1172187917u);
    // A range of 0 always gives 0 but still advances the state.
    EXPECT_EQ(generator.Draw(0), 0u);
    EXPECT_EQ(generator.State(), 2884733762u);
    EXPECT_EQ(generator.Draw(4294967295u), 1368768586u);
    EXPECT_EQ(generator.State(), 1368768587u);
}

TEST(RandomGenerator, DrawSequenceFromKnownState)
{
    auto generator = RandomGenerator::Deterministic(0xDEADBEEF);
    std::vector<std::uint32_t> draws;
    for (int i = 0; i < 5; ++i)
        draws.push_back(generator.Draw(10));
    EXPECT_EQ(draws, (std::vector<std::uint32_t> { 3, 1, 5, 5, 9 }));
    EXPECT_EQ(generator.State(), 3979170440u);
}

TEST(RandomGenerator, DeterministicGeneratorKeepsItsStateOnReseed)
{
    auto generator = RandomGenerator::Deterministic(42);
    EXPECT_FALSE(generator.Reseeds());
    generator.Reseed();
    EXPECT_EQ(generator.State(), 42u);
}

TEST(RandomGenerator, ReseedTakesTheSeedSource)
{
    std::uint32_t next = 7;
    RandomGenerator generator(0, [&] { return next++; });
    generator.Reseed();
    EXPECT_EQ(generator.State(), 7u);
    generator.Reseed();
    EXPECT_EQ(generator.State(), 8u);

    generator.SetSeedSource(nullptr);
    generator.Reseed();
    EXPECT_EQ(generator.State(), 8u);
}

TEST(RandomGenerator, ProcessWideInstanceStartsAtZeroAndReseedsFromTheClock)
{
    auto& generator = RandomGenerator::ProcessWide();
    EXPECT_EQ(&generator, &RandomGenerator::ProcessWide());
    EXPECT_EQ(generator.State(), 0u);
    EXPECT_TRUE(generator.Reseeds());
    EXPECT_TRUE(RandomGenerator().Reseeds());
    EXPECT_EQ(RandomGenerator().State(), 0u);
}
