// A board of colour indices addressed (row, column), both counted from 1 as the game counts them.
#pragma once

#include "game/palette.h"

#include <vector>

class Grid {
public:
    Grid() = default;
    Grid(int rows, int columns, ColourIndex fill);

    int rows() const { return rows_; }
    int columns() const { return columns_; }

    // Both throw std::out_of_range outside 1..rows() by 1..columns().
    ColourIndex& operator()(int row, int column);
    ColourIndex operator()(int row, int column) const;

    bool operator==(const Grid& other) const;
    bool operator!=(const Grid& other) const { return !(*this == other); }

private:
    std::size_t offset(int row, int column) const;

    int rows_ = 0;
    int columns_ = 0;
    std::vector<ColourIndex> cells_; // column by column, as every loop of the game walks it
};
