// Plays one game through operations chosen from outside (a seeded generator, or a fuzzer's bytes) and
// checks after every step what must always hold. Plain C++, so the fuzzer builds it without Qt.
#pragma once

#include "game/game.h"
#include "game/levels.h"
#include "support/fakes.h"
#include "support/recordingcanvas.h"

#include <array>
#include <cstdint>
#include <string>

class GameDriver {
public:
    // One operation picked by `choice`; `a` and `b` (0..65535) place a release or pick a level.
    // Returns what went wrong, or an empty text.
    std::string step(std::uint32_t choice, std::uint16_t a, std::uint16_t b)
    {
        const Grid before = game.board.pole;
        const std::int16_t hodBefore = game.move.hod;
        const Operation operation = kMix[choice % kMix.size()];
        const bool undoAfterRemoval = justRemoved_ && operation == kUndo;
        justRemoved_ = false;

        apply(operation, a, b);

        if (hodBefore != 2 && game.move.hod == 2) {
            justRemoved_ = true;
            savedBoard_ = before;
        }
        if (undoAfterRemoval && game.board.pole != savedBoard_)
            return "undo right after a removal did not restore the board as it was";
        return check();
    }

    RecordingCanvas canvas;
    FixedSeedRandom random{7};
    MapSettings settings;
    Game game{canvas, random};

private:
    enum Operation : std::uint32_t {
        kRelease,
        kReleaseTwoAway,
        kTick,
        kUndo,
        kRight,
        kLeft,
        kShift,
        kEye,
        kOverview,
        kNewMove,
        kNewGame,
    };

    // Releases and ticks most of the time, so that games are played and not only reset.
    static constexpr std::array<Operation, 32> kMix = {
        kRelease,        kRelease,        kRelease,        kRelease,        kRelease,        kRelease,
        kRelease,        kRelease,        kRelease,        kRelease,        kReleaseTwoAway, kReleaseTwoAway,
        kReleaseTwoAway, kReleaseTwoAway, kReleaseTwoAway, kReleaseTwoAway, kReleaseTwoAway, kReleaseTwoAway,
        kReleaseTwoAway, kReleaseTwoAway, kTick,          kTick,           kTick,           kTick,
        kUndo,           kRight,          kLeft,           kShift,          kEye,            kOverview,
        kNewMove,        kNewGame};

    void apply(Operation operation, std::uint16_t a, std::uint16_t b)
    {
        const BoardState& board = game.board;
        switch (operation) {
        case kRelease:
            // Mostly on the board, sometimes anywhere around it, far off included.
            if (a % 8 == 0)
                release(float(a) - 30000.f, float(b) - 30000.f);
            else
                release(float(a % 4800) - 100.f, float(b % 7600) - 100.f);
            break;
        case kReleaseTwoAway: {
            // Two cells from the marked cube, where a removal may follow.
            static constexpr int kSteps[4][2] = {{2, 0}, {-2, 0}, {0, 2}, {0, -2}};
            const int row = game.move.votm1 + kSteps[a % 4][0];
            const int column = game.move.gotm1 + kSteps[a % 4][1];
            release(float((column - 1) * board.razmer + b % std::max<int>(board.razmer, 1)),
                    float((row - 1) * board.razmer + a % std::max<int>(board.razmer, 1)));
            break;
        }
        case kTick:
            for (int i = a % 25; i >= 0; --i)
                game.timerTick();
            break;
        case kUndo:
            game.undo();
            break;
        case kRight:
            game.scrollRight();
            break;
        case kLeft:
            game.scrollLeft();
            break;
        case kShift:
            game.shiftColumn();
            break;
        case kEye:
            game.eye();
            break;
        case kOverview:
            game.overview();
            break;
        case kNewMove:
            game.newMove();
            break;
        case kNewGame: {
            static constexpr std::array<const char*, 9> kTexts = {"0", "1", "2", "3", "7", "-1", "2.5", "abc", ""};
            settings.values = {{kSizeKey, kTexts[a % kTexts.size()]}, {kDifficultyKey, kTexts[b % kTexts.size()]}};
            game.newGame(settings);
            break;
        }
        }
    }

    void release(float x, float y)
    {
        if (canvas.enabled) // a board the eye view disabled gets no release
            game.mouseUp(x, y);
    }

    std::string check() const
    {
        const BoardState& board = game.board;
        if (board.razmer == 0)
            return {};
        int cubes = 0;
        for (int c = 1; c <= board.gorkor; ++c) {
            bool cubeAbove = false;
            for (int r = 1; r <= board.vertkor; ++r) {
                const ColourIndex k = board.pole(r, c);
                if (k != kEmpty && (k < 0 || k > board.cvet))
                    return "cell " + std::to_string(r) + "," + std::to_string(c) + " holds " + std::to_string(k);
                if (k == kEmpty && cubeAbove && game.move.hod != 2)
                    return "a cube stands above the empty cell " + std::to_string(r) + "," + std::to_string(c);
                cubeAbove = cubeAbove || k != kEmpty;
                cubes += k != kEmpty;
            }
        }
        const auto shown = [](int n) { return n < 0 ? std::to_string(n) : " " + std::to_string(n); };
        if (canvas.remaining != "Осталось кубиков " + shown(cubes)
            || canvas.removed != "Удалено кубиков " + shown(board.kolvo - cubes))
            return "the counters read \"" + canvas.remaining + "\" and \"" + canvas.removed + "\" with "
                + std::to_string(cubes) + " cubes on the board";
        return {};
    }

    Grid savedBoard_;
    bool justRemoved_ = false;
};
