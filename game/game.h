// One game of cubes: the board, the move in progress, and every rule that changes them.
#pragma once

#include "game/canvas.h"
#include "game/grid.h"
#include "game/randomsource.h"
#include "game/settingssource.h"

#include <cstdint>
#include <optional>

// The board of the current game and its geometry.
struct BoardState {
    std::int16_t gorkor = 0;  // columns
    std::int16_t vertkor = 0; // rows
    std::int16_t razmer = 0;  // side of a cell in twips; 0 until the first new game
    std::int16_t kolvo = 0;   // cubes at the start of the game
    std::int16_t ostal = 0;   // kolvo less 3 for every removal; not shown
    std::int16_t cvet = 0;    // highest colour index dealt
    std::int16_t slogn = 0;   // the level last read from the settings
    Grid pole;                // the board: a colour index, or kEmpty
    Grid polevr;              // the board as it stood before the latest removal
    bool polevrSaved = false; // whether a removal of this game has filled polevr
};

// The mark, the move state and the pause after a removal.
struct MoveState {
    std::int16_t hod = 0;    // 0 no cube marked, 1 one cube marked, 2 pause after a removal
    std::int16_t gotm = 0;   // column of the latest release on the board
    std::int16_t votm = 0;   // its row
    std::int16_t gotm1 = 0;  // column of the marked cube
    std::int16_t votm1 = 0;  // its row
    std::int32_t vrcvet = 0; // colour of the marked cube
    std::int16_t vrem = 0;   // timer ticks counted in the pause
    std::int16_t obzor = 0;  // colour the next overview shows
};

class Game {
public:
    Game(Canvas& canvas, RandomSource& random);

    // "Новая игра": reads both levels, deals a full board and paints it.
    void newGame(const SettingsSource& settings);
    // A mouse release on the board at (x, y) twips, whatever the button.
    void mouseUp(float x, float y);
    // One tick of the 50 ms timer.
    void timerTick();
    // "Назад".
    void undo();
    // "Вправо", "Влево" and "Сдвиг".
    void scrollRight();
    void scrollLeft();
    void shiftColumn();
    // "Глаз", "Обзор" and "Новый ход".
    void eye();
    void overview();
    void newMove();

    BoardState board;
    MoveState move;

    // A pause after a removal lasts this many ticks of the timer.
    static constexpr int kPauseTicks = 20;

private:
    void RedrawBoard();
    void paintCell(int row, int column, ColourIndex colour);
    void drawCross(int row, int column);
    void paintOnly(int shown);

    void firstMark();
    void secondMark();
    void removeTriple();
    void DropCubes();

    void SaveUndo();
    void RestoreUndo();

    Canvas& canvas_;
    RandomSource& random_;
    // The board area as the first new game measured it, in twips, and the size level of the latest game.
    int openingWidth_ = 0;
    int openingHeight_ = 0;
    std::optional<std::int16_t> sizeLevel_;
};
