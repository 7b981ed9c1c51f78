#pragma once

#include <cmath>
#include <cstdint>

// Fractions become pixels and channel values by rounding to the nearest
// integer, a tie going to the even neighbour.

// The floating-point environment's rounding mode is never changed in this
// program, so nearbyint rounds to nearest with ties to even.
inline int RoundHalfEven(double value)
{
    return static_cast<int>(std::nearbyint(value));
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
