#include "grid.h"

#include <stdexcept>

Grid::Grid(int rows, int columns, ColourIndex fill)
    : rows_(rows), columns_(columns), cells_(static_cast<std::size_t>(rows) * columns, fill)
{
}

std::size_t Grid::offset(int row, int column) const
{
    // An index outside the board is a fault in the game; it must never touch memory it does not own.
    if (row < 1 || row > rows_ || column < 1 || column > columns_)
        throw std::out_of_range("Индекс вне границ игрового поля");
    return static_cast<std::size_t>(column - 1) * rows_ + (row - 1);
}

ColourIndex& Grid::operator()(int row, int column)
{
    return cells_[offset(row, column)];
}

ColourIndex Grid::operator()(int row, int column) const
{
    return cells_[offset(row, column)];
}

bool Grid::operator==(const Grid& other) const
{
    return rows_ == other.rows_ && columns_ == other.columns_ && cells_ == other.cells_;
}
