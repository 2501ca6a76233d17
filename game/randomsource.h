// Where the deal of a new game draws its colours from.
#pragma once

#include <random>

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseedFromClock() = 0;
    // A number x with 0 <= x < 1.
    virtual double next() = 0;
};

// The game's own source: a uniform generator reseeded from the clock at every new game.
class ClockSeededRandom : public RandomSource {
public:
    void reseedFromClock() override;
    double next() override;

private:
    std::mt19937 engine_;
    std::uniform_real_distribution<double> uniform_{0.0, 1.0};
};
