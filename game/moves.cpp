// The move: marking a cube, removing a triple, the fall of the cubes above it and the pause after it.
#include "game/game.h"

#include "game/checked.h"
#include "game/rounding.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

void Game::mouseUp(float x, float y)
{
    if (move.hod == 2 || board.razmer == 0)
        return;

    // The board area also gets the release of a press that began on it when the pointer has left it;
    // a release off the cells is no move.
    const double left = roundHalfEven(x);
    const double top = roundHalfEven(y);
    if (!(left >= 0 && left < board.razmer * board.gorkor && top >= 0 && top < board.razmer * board.vertkor))
        return;
    move.gotm = checked16(static_cast<int>(left) / board.razmer + 1);
    move.votm = checked16(static_cast<int>(top) / board.razmer + 1);

    if (board.pole(move.votm, move.gotm) == kEmpty)
        return;

    if (move.hod == 0)
        firstMark();
    else
        secondMark();
}

void Game::firstMark()
{
    move.vrcvet = board.pole(move.votm, move.gotm);
    canvas_.setPanelColour(board.pole(move.votm, move.gotm));
    drawCross(move.votm, move.gotm);
    move.hod = 1;
    move.gotm1 = move.gotm;
    move.votm1 = move.votm;
}

void Game::secondMark()
{
    if (board.pole(move.votm, move.gotm) != move.vrcvet) {
        RedrawBoard();
        move.hod = 0;
        return;
    }
    if (std::abs(move.gotm - move.gotm1) == 2 && move.votm == move.votm1)
        removeTriple();
    else if (std::abs(move.votm - move.votm1) == 2 && move.gotm == move.gotm1)
        removeTriple();
}

void Game::removeTriple()
{
    SaveUndo();

    board.pole(move.votm, move.gotm) = kEmpty;
    board.pole(move.votm1, move.gotm1) = kEmpty;
    board.pole((move.votm + move.votm1) / 2, (move.gotm + move.gotm1) / 2) = kEmpty;

    RedrawBoard();

    move.hod = 2;

    // Undo does not give this count back, so taking back and repeating moves would in the end
    // run it past 16 bits; it is shown nowhere, so it stops at the limit instead of ending the game.
    board.ostal = checked16(std::max(board.ostal - 3, int{std::numeric_limits<std::int16_t>::min()}));

    // The picture keeps showing the three empty cells until the pause ends.
    DropCubes();
}

void Game::DropCubes()
{
    if (move.gotm == move.gotm1) {
        const int c = move.gotm;
        const int lowest = std::max(move.votm, move.votm1);
        for (int n = lowest; n >= 4; --n)
            board.pole(n, c) = board.pole(n - 3, c);
        for (int n = 1; n <= 3; ++n)
            board.pole(n, c) = kEmpty;
    }
    if (move.votm == move.votm1) {
        const int r = move.votm;
        const int m = (move.gotm + move.gotm1) / 2;
        for (int n = r; n >= 2; --n) {
            board.pole(n, move.gotm) = board.pole(n - 1, move.gotm);
            board.pole(n, move.gotm1) = board.pole(n - 1, move.gotm1);
            board.pole(n, m) = board.pole(n - 1, m);
        }
        board.pole(1, move.gotm) = kEmpty;
        board.pole(1, move.gotm1) = kEmpty;
        board.pole(1, m) = kEmpty;
    }
}

void Game::timerTick()
{
    if (move.hod == 2)
        move.vrem = checked16(move.vrem + 1);
    if (move.vrem == kPauseTicks) {
        move.hod = 0;
        move.vrem = 0;
        RedrawBoard();
    }
}
