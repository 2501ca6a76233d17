// libFuzzer over the one parser of text from outside the game, the levels in the settings store: whatever
// the store holds, a number read from it is finite or none, the new game's level lies in 0..3, and the
// dialogs' level is the number rounded, where that fits in 16 bits, or none.
#include "game/levels.h"
#include "game/rounding.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

void fail(const char* broken, const std::string& text)
{
    std::fprintf(stderr, "%s for the text \"%s\"\n", broken, text.c_str());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::optional<double> number = numberFromText(text);
    if (number && !std::isfinite(*number))
        fail("a number that is not finite", text);
    const std::int16_t played = newGameLevel(text);
    if (played < 0 || played > 3 || (!number && played != 1))
        fail("a new game's level out of its range", text);
    const std::optional<std::int16_t> shown = dialogLevel(text);
    const std::optional<double> rounded = number ? std::optional(roundHalfEven(*number)) : std::nullopt;
    const bool fits = rounded && *rounded >= -32768 && *rounded <= 32767;
    if (shown.has_value() != fits || (shown && *shown != *rounded))
        fail("a dialog's level that is not the number rounded", text);
    return 0;
}
