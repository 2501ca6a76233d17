// "Вправо", "Влево" and "Сдвиг": whole columns move, nothing is removed or saved for undo.
#include "game/game.h"

void Game::scrollRight()
{
    for (int r = 1; r <= board.vertkor; ++r) {
        const ColourIndex t = board.pole(r, board.gorkor);
        for (int c = board.gorkor; c >= 2; --c)
            board.pole(r, c) = board.pole(r, c - 1);
        board.pole(r, 1) = t;
    }
    RedrawBoard();
    move.hod = 0;
}

void Game::scrollLeft()
{
    for (int r = 1; r <= board.vertkor; ++r) {
        const ColourIndex t = board.pole(r, 1);
        for (int c = 1; c <= board.gorkor - 1; ++c)
            board.pole(r, c) = board.pole(r, c + 1);
        board.pole(r, board.gorkor) = t;
    }
    RedrawBoard();
    move.hod = 0;
}

void Game::shiftColumn()
{
    move.hod = 0;

    const auto columnIsEmpty = [this](int c) {
        for (int r = 1; r <= board.vertkor; ++r)
            if (board.pole(r, c) != kEmpty)
                return false;
        return true;
    };
    int e = 1;
    while (e <= board.gorkor && !columnIsEmpty(e))
        ++e;
    // No empty column: the board and its picture stay, a cross or the cleared cells of a pause included.
    if (e > board.gorkor)
        return;

    for (int c = e; c <= board.gorkor - 1; ++c)
        for (int r = 1; r <= board.vertkor; ++r)
            board.pole(r, c) = board.pole(r, c + 1);
    for (int r = 1; r <= board.vertkor; ++r)
        board.pole(r, board.gorkor) = kEmpty;

    RedrawBoard();
}
