// The player's two levels in the per-user settings store: application "igra", section "Options".
#pragma once

#include "game/settingssource.h"

class SettingsStore : public SettingsSource {
public:
    std::optional<std::string> value(const std::string& key) const override;
    // False when the store could not be written.
    bool setValue(const std::string& key, const std::string& text);
};
