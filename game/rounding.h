// Fractions become integers by rounding to the nearest, halves to the even neighbour.
#pragma once

#include <cmath>

inline double roundHalfEven(double value)
{
    const double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0))
        return whole + 1.0;
    return whole;
}
