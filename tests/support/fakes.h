// Stand-ins for the settings store and the random source, so that tests deal known boards.
#pragma once

#include "game/randomsource.h"
#include "game/settingssource.h"

#include <map>
#include <string>

class MapSettings : public SettingsSource {
public:
    std::map<std::string, std::string> values;
    std::optional<std::string> value(const std::string& key) const override
    {
        const auto found = values.find(key);
        return found == values.end() ? std::nullopt : std::optional<std::string>(found->second);
    }
};

// The same numbers after every reseed, and a count of the reseeds.
class FixedSeedRandom : public RandomSource {
public:
    explicit FixedSeedRandom(unsigned seed = 1) : seed_(seed) {}
    void reseedFromClock() override
    {
        engine_.seed(seed_);
        ++reseeds;
    }
    double next() override { return uniform_(engine_); }
    int reseeds = 0;

private:
    unsigned seed_;
    std::mt19937 engine_;
    std::uniform_real_distribution<double> uniform_{0.0, 1.0};
};
