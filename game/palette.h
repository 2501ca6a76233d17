// The sixteen colours a cell can be painted in, and the colour index that means "no cube".
#pragma once

#include <array>
#include <cstdint>

using ColourIndex = std::int16_t;

// An empty cell; also the colour of the mark cross and of a hidden cube.
constexpr ColourIndex kEmpty = 15;

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

constexpr std::array<Rgb, 16> kPalette{{
    {0, 0, 0},       // 0 black
    {0, 0, 128},     // 1 blue
    {0, 128, 0},     // 2 green
    {0, 128, 128},   // 3 cyan
    {128, 0, 0},     // 4 red
    {128, 0, 128},   // 5 magenta
    {128, 128, 0},   // 6 dark yellow
    {192, 192, 192}, // 7 light grey
    {128, 128, 128}, // 8 dark grey
    {0, 0, 255},     // 9 light blue
    {0, 255, 0},     // 10 light green
    {0, 255, 255},   // 11 light cyan
    {255, 0, 0},     // 12 light red
    {255, 0, 255},   // 13 light magenta
    {255, 255, 0},   // 14 yellow
    {255, 255, 255}, // 15 white
}};
