#include "levels.h"

#include "rounding.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

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

} // namespace

std::optional<double> numberFromText(std::string_view text)
{
    text = trimmed(text);
    // from_chars takes a minus sign but not a plus sign.
    if (text.size() > 1 && text.front() == '+' && text[1] != '-')
        text.remove_prefix(1);
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
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

std::int16_t dialogLevel(const std::optional<std::string>& stored)
{
    const std::optional<double> number = stored ? numberFromText(*stored) : std::nullopt;
    if (!number)
        return 0;
    const double level = roundHalfEven(*number);
    if (level < std::numeric_limits<std::int16_t>::min() || level > std::numeric_limits<std::int16_t>::max())
        return 0;
    return static_cast<std::int16_t>(level);
}
