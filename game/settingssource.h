// Where a new game reads the two levels: application "igra", section "Options".
#pragma once

#include <optional>
#include <string>

class SettingsSource {
public:
    virtual ~SettingsSource() = default;
    // The text stored under the key, or nothing when the key is missing.
    virtual std::optional<std::string> value(const std::string& key) const = 0;
};
