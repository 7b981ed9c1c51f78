#include "text_test_support.h"

TEST(ScriptedGenerator, ProducesTheScriptedDraws)
{
    EXPECT_EQ(134775813u * kInverseMultiplier, 1u);
    ScriptedGenerator scripted({ { 2, 1 }, { 2, 0 }, { 7, 6 }, { 0, 0 }, { 30, 29 } });
    auto& generator = scripted.Generator();
    for (auto [range, value] : std::vector<ScriptedDraw> { { 2, 1 }, { 2, 0 }, { 7, 6 }, { 0, 0 }, { 30, 29 } }) {
        generator.Reseed();
        EXPECT_EQ(generator.Draw(range), value);
    }
    EXPECT_TRUE(scripted.Finished());
}
