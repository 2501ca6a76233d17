// "Новая игра": the levels, the board's geometry and the deal.
#include "game.h"

#include "checked.h"
#include "levels.h"
#include "rounding.h"

#include <cmath>

Game::Game(Canvas& canvas, RandomSource& random)
    : canvas_(canvas), random_(random)
{
}

void Game::newGame(const SettingsSource& settings)
{
    board.slogn = newGameLevel(settings.value("Action2"));
    board.gorkor = checked16(3 * board.slogn + 9);

    board.slogn = newGameLevel(settings.value("Action1"));
    board.cvet = checked16(3 * board.slogn + 4);

    random_.reseedFromClock();

    canvas_.setAreaEnabled(true);
    canvas_.clear();

    move.hod = 0;

    // The area is measured as the previous game left it, so every game fits the same space.
    board.razmer = checked16(roundHalfEven(static_cast<double>(canvas_.areaWidth()) / board.gorkor));
    board.vertkor = checked16(roundHalfEven(static_cast<double>(canvas_.areaHeight()) / board.razmer));

    canvas_.resizeArea(board.razmer * board.gorkor, board.razmer * board.vertkor);

    board.kolvo = checked16(board.vertkor * board.gorkor);
    board.ostal = board.kolvo;

    board.pole = Grid(board.vertkor, board.gorkor, 0);
    board.polevr = Grid(board.vertkor, board.gorkor, 0);
    board.polevrSaved = false;

    for (int c = 1; c <= board.gorkor; ++c)
        for (int r = 1; r <= board.vertkor; ++r)
            board.pole(r, c) = static_cast<ColourIndex>(std::floor(random_.next() * (board.cvet + 1)));

    RedrawBoard();
}
