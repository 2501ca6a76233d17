#include "levels.h"

#include "game/rounding.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>
#include <locale>
#include <sstream>

namespace {

std::string_view trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Skips the decimal digits at the start of the text and tells how many there were.
std::size_t skipDigits(std::string_view& text)
{
    std::size_t count = 0;
    while (count < text.size() && std::isdigit(static_cast<unsigned char>(text[count])))
        ++count;
    text.remove_prefix(count);
    return count;
}

// A sign, digits with perhaps a fraction (at least one digit), and perhaps an exponent.
bool isDecimalNumber(std::string_view text)
{
    if (!text.empty() && (text.front() == '+' || text.front() == '-'))
        text.remove_prefix(1);
    std::size_t digits = skipDigits(text);
    if (!text.empty() && text.front() == '.') {
        text.remove_prefix(1);
        digits += skipDigits(text);
    }
    if (digits == 0)
        return false;
    if (!text.empty() && (text.front() == 'e' || text.front() == 'E')) {
        text.remove_prefix(1);
        if (!text.empty() && (text.front() == '+' || text.front() == '-'))
            text.remove_prefix(1);
        if (skipDigits(text) == 0)
            return false;
    }
    return text.empty();
}

} // namespace

std::optional<double> numberFromText(std::string_view text)
{
    text = trimmed(text);
    if (!isDecimalNumber(text))
        return std::nullopt;
    // Read in the classic locale: a decimal point, whatever the player's language.
    std::istringstream in{std::string(text)};
    in.imbue(std::locale::classic());
    double value = 0.0;
    in >> value;
    if (in.fail() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::int16_t newGameLevel(const std::optional<std::string>& stored)
{
    const std::optional<double> number = stored ? numberFromText(*stored) : std::nullopt;
    if (!number)
        return 1;
    return static_cast<std::int16_t>(std::clamp(roundHalfEven(*number), 0.0, 3.0));
}

std::optional<std::int16_t> dialogLevel(const std::optional<std::string>& stored)
{
    if (!stored)
        return 0;
    const std::optional<double> number = numberFromText(*stored);
    if (!number)
        return std::nullopt;
    const double level = roundHalfEven(*number);
    if (level < std::numeric_limits<std::int16_t>::min() || level > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(level);
}
