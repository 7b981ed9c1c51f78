#pragma once

#include <cstdint>

// Fractions become pixels and channel values by rounding to the nearest
// integer, a tie going to the even neighbour.

// For |value| below 2^51. Adding and taking away 1.5 * 2^52 leaves no bits
// for a fraction, so the addition itself rounds, in the default rounding mode
// (never changed in this program): to nearest, ties to even. This is several
// times faster than nearbyint, which matters in per-pixel loops.
inline int RoundHalfEven(double value)
{
    constexpr double kShift = 6755399441055744.0;
    return static_cast<int>((value + kShift) - kShift);
}

// numerator / denominator rounded the same way, exactly, for a positive
// denominator.
inline std::int64_t DivideRoundHalfEven(std::int64_t numerator, std::int64_t denominator)
{
    std::int64_t quotient = numerator / denominator;
    std::int64_t remainder = numerator % denominator;
    if (remainder < 0) {
        remainder += denominator;
        --quotient;
    }
    if (2 * remainder > denominator || (2 * remainder == denominator && quotient % 2 != 0))
        ++quotient;
    return quotient;
}
