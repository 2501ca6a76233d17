// "Назад": the one board kept from before the latest removal.
#include "game/game.h"

void Game::SaveUndo()
{
    board.polevr = board.pole;
    board.polevrSaved = true;
}

void Game::RestoreUndo()
{
    board.pole = board.polevr;
    RedrawBoard();
}

void Game::undo()
{
    // Before the first removal of a game the copy holds only black cubes that never stood on the board,
    // so the board stays as it is; the mark still goes and the board is still shown afresh.
    if (board.polevrSaved)
        RestoreUndo();
    else
        RedrawBoard();
    move.hod = 0;
}
