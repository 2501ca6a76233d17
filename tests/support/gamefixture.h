// A game with a recording canvas, a fixed random source and settings of the test's choosing.
#pragma once

#include "game/game.h"
#include "game/levels.h"
#include "support/fakes.h"
#include "support/recordingcanvas.h"

struct GameFixture {
    RecordingCanvas canvas;
    FixedSeedRandom random;
    MapSettings settings;
    Game game{canvas, random};

    void play(const char* size, const char* difficulty)
    {
        settings.values = {{kSizeKey, size}, {kDifficultyKey, difficulty}};
        game.newGame(settings);
    }

    // A release at the centre of a cell of a board of 381-twip cells.
    void releaseOn(int row, int column) { game.mouseUp((column - 1) * 381 + 190, (row - 1) * 381 + 190); }
};
