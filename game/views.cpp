// "Глаз", "Обзор" and "Новый ход": views of one colour, which change the picture but never the board.
#include "game/game.h"

#include "game/checked.h"

void Game::eye()
{
    // The board taking no releases is all there is of the eye view.
    if (canvas_.areaEnabled()) {
        canvas_.setAreaEnabled(false);
        paintOnly(move.vrcvet);
    } else {
        canvas_.setAreaEnabled(true);
        RedrawBoard();
    }
    move.hod = 0;
}

void Game::overview()
{
    RedrawBoard();
    if (move.obzor > board.cvet)
        move.obzor = 0;
    // The panel takes the colour whenever there is a board to show it on.
    if (board.gorkor > 0 && board.vertkor > 0)
        canvas_.setPanelColour(move.obzor);
    paintOnly(move.obzor);
    move.hod = 0;
    move.obzor = checked16(move.obzor + 1);
}

void Game::newMove()
{
    canvas_.setAreaEnabled(true);
    move.hod = 0;
    RedrawBoard();
}
