// The picture of the board: the full repaint with its counters, a cell square, the mark cross.
#include "game/game.h"

#include <string>

namespace {

// A number as the counters show it: a blank where a minus sign would stand.
std::string numberText(int number)
{
    return (number < 0 ? "-" : " ") + std::to_string(number < 0 ? -number : number);
}

} // namespace

void Game::RedrawBoard()
{
    canvas_.clear();
    int cubes = 0;
    for (int c = 1; c <= board.gorkor; ++c)
        for (int r = 1; r <= board.vertkor; ++r) {
            paintCell(r, c, board.pole(r, c));
            if (board.pole(r, c) != kEmpty)
                ++cubes;
        }
    canvas_.setCounters("Всего кубиков " + numberText(board.kolvo),
                        "Осталось кубиков " + numberText(cubes),
                        "Удалено кубиков " + numberText(board.kolvo - cubes));
}

void Game::paintCell(int row, int column, ColourIndex colour)
{
    const int x0 = (column - 1) * board.razmer;
    const int y0 = (row - 1) * board.razmer;
    canvas_.fillBox(x0, y0, x0 + board.razmer - 1, y0 + board.razmer - 1, colour);
}

void Game::drawCross(int row, int column)
{
    const int x0 = (column - 1) * board.razmer;
    const int y0 = (row - 1) * board.razmer;
    canvas_.drawLine(x0, y0, x0 + board.razmer - 1, y0 + board.razmer - 1, kEmpty);
    // The second stroke starts a twip below the cell and ends a twip above it.
    canvas_.drawLine(x0, y0 + board.razmer, x0 + board.razmer - 1, y0 - 1, kEmpty);
}

// Paints the cubes of one colour as they are and every other cell white; the board keeps its cubes.
void Game::paintOnly(int shown)
{
    for (int c = 1; c <= board.gorkor; ++c)
        for (int r = 1; r <= board.vertkor; ++r)
            paintCell(r, c, board.pole(r, c) == shown ? board.pole(r, c) : kEmpty);
}
