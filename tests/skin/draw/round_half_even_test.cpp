#include "skin/draw/round_half_even.h"

#include <gtest/gtest.h>

TEST(RoundHalfEven, TiesGoToTheEvenNeighbour)
{
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(178.5), 178);
    EXPECT_EQ(RoundHalfEven(-0.5), 0);
    EXPECT_EQ(RoundHalfEven(-1.5), -2);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(2.4999), 2);
    EXPECT_EQ(RoundHalfEven(2.5001), 3);
    EXPECT_EQ(RoundHalfEven(-2.6), -3);
    EXPECT_EQ(RoundHalfEven(1920 * 0.37), 710);
}

TEST(RoundHalfEven, IntegerDivisionRoundsExactly)
{
    EXPECT_EQ(DivideRoundHalfEven(7650, 100), 76);
    EXPECT_EQ(DivideRoundHalfEven(7750, 100), 78);
    EXPECT_EQ(DivideRoundHalfEven(7651, 100), 77);
    EXPECT_EQ(DivideRoundHalfEven(7649, 100), 76);
    EXPECT_EQ(DivideRoundHalfEven(-15, 10), -2);
    EXPECT_EQ(DivideRoundHalfEven(-25, 10), -2);
    EXPECT_EQ(DivideRoundHalfEven(-26, 10), -3);
    EXPECT_EQ(DivideRoundHalfEven(0, 7), 0);
}
