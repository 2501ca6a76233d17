#include "randomsource.h"

#include <chrono>
#include <cmath>

void ClockSeededRandom::reseedFromClock()
{
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seed{static_cast<unsigned>(now), static_cast<unsigned>(static_cast<unsigned long long>(now) >> 32)};
    engine_.seed(seed);
}

double ClockSeededRandom::next()
{
    // The distribution may round up to its upper bound; a deal must never reach it.
    const double x = uniform_(engine_);
    return x < 1.0 ? x : std::nextafter(1.0, 0.0);
}
