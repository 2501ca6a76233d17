// How a level stored as text in the settings becomes a number, for the new game and for the level dialogs.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The keys of the two levels in the settings, section "Options" of application "igra".
inline constexpr char kDifficultyKey[] = "Action1";
inline constexpr char kSizeKey[] = "Action2";

// A decimal number, perhaps with a sign, a fraction or an exponent, and blanks around it;
// nothing when the text is anything else.
std::optional<double> numberFromText(std::string_view text);

// The level a new game plays: a missing key or a text that is no number counts as "1";
// a number is rounded and kept within 0..3, so every stored text deals a sound board.
std::int16_t newGameLevel(const std::optional<std::string>& stored);

// The level a dialog starts from: a missing key counts as "0", and any number that rounds within 16 bits
// is kept, so the dialog can write it back unchanged; a text that is no such number gives none, and the
// dialog, showing nothing chosen, leaves it as it is.
std::optional<std::int16_t> dialogLevel(const std::optional<std::string>& stored);
