// "Новая игра": the levels, the board's geometry and the deal.
#include "game/game.h"

#include "game/checked.h"
#include "game/levels.h"
#include "game/rounding.h"

#include <cmath>

Game::Game(Canvas& canvas, RandomSource& random)
    : canvas_(canvas), random_(random)
{
}

void Game::newGame(const SettingsSource& settings)
{
    const bool afterLevelZero = sizeLevel_ == 0;

    board.slogn = newGameLevel(settings.value(kSizeKey));
    board.gorkor = checked16(3 * board.slogn + 9);
    const std::int16_t sizeLevel = board.slogn;

    board.slogn = newGameLevel(settings.value(kDifficultyKey));
    board.cvet = checked16(3 * board.slogn + 4);

    random_.reseedFromClock();

    canvas_.setAreaEnabled(true);
    canvas_.clear();

    move.hod = 0;

    // The window holds the area in whole pixels, so a board cut to whole cells leaves it a little smaller
    // or larger than before. Right after a level-0 game its smaller area is measured, which gives the two
    // largest levels a row less; measured after every game, the loss would grow with every game that
    // follows. Every other game therefore measures the area as it was when the window opened.
    if (!sizeLevel_) {
        openingWidth_ = canvas_.areaWidth();
        openingHeight_ = canvas_.areaHeight();
    }
    sizeLevel_ = sizeLevel;
    const int width = afterLevelZero ? canvas_.areaWidth() : openingWidth_;
    const int height = afterLevelZero ? canvas_.areaHeight() : openingHeight_;
    board.razmer = checked16(roundHalfEven(static_cast<double>(width) / board.gorkor));
    board.vertkor = checked16(roundHalfEven(static_cast<double>(height) / board.razmer));

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
