// The game keeps its counts in 16-bit fields; arithmetic on them is checked, never wrapped.
#pragma once

#include <cstdint>
#include <limits>
#include <stdexcept>

// Every int the game computes is exact as a double, so one overload serves whole and fractional values.
inline std::int16_t checked16(double value)
{
    if (!(value >= std::numeric_limits<std::int16_t>::min() && value <= std::numeric_limits<std::int16_t>::max()))
        throw std::overflow_error("Переполнение");
    return static_cast<std::int16_t>(value);
}
