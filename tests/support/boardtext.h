// Boards written as short text pictures: rows top to bottom, one character per cell,
// '0'..'9' and 'a'..'d' for the colour indices 0..13, '.' for an empty cell.
#pragma once

#include "game/game.h"

#include <QString>
#include <QStringList>

#include <initializer_list>

inline ColourIndex colourFromChar(char c)
{
    if (c == '.')
        return kEmpty;
    if (c >= 'a' && c <= 'd')
        return static_cast<ColourIndex>(10 + c - 'a');
    return static_cast<ColourIndex>(c - '0');
}

inline char charFromColour(ColourIndex colour)
{
    if (colour == kEmpty)
        return '.';
    return colour < 10 ? static_cast<char>('0' + colour) : static_cast<char>('a' + colour - 10);
}

inline QString text(std::initializer_list<const char*> rows)
{
    QStringList lines;
    for (const char* row : rows)
        lines << QString::fromLatin1(row);
    return lines.join(QLatin1Char('\n'));
}

inline QString text(const Grid& grid)
{
    QStringList lines;
    for (int r = 1; r <= grid.rows(); ++r) {
        QString line;
        for (int c = 1; c <= grid.columns(); ++c)
            line += QLatin1Char(charFromColour(grid(r, c)));
        lines << line;
    }
    return lines.join(QLatin1Char('\n'));
}

inline Grid gridFromText(std::initializer_list<const char*> rows)
{
    const QStringList lines = text(rows).split(QLatin1Char('\n'));
    Grid grid(static_cast<int>(lines.size()), static_cast<int>(lines.front().size()), 0);
    for (int r = 1; r <= grid.rows(); ++r)
        for (int c = 1; c <= grid.columns(); ++c)
            grid(r, c) = colourFromChar(lines[r - 1].at(c - 1).toLatin1());
    return grid;
}

// Puts a board in front of the player as if a game of cells of 381 twips had dealt it (empty cells included).
inline void setBoard(Game& game, std::initializer_list<const char*> rows, int cvet = 7)
{
    BoardState& board = game.board;
    board.pole = gridFromText(rows);
    board.vertkor = static_cast<std::int16_t>(board.pole.rows());
    board.gorkor = static_cast<std::int16_t>(board.pole.columns());
    board.razmer = 381;
    board.kolvo = static_cast<std::int16_t>(board.vertkor * board.gorkor);
    board.ostal = board.kolvo;
    board.cvet = static_cast<std::int16_t>(cvet);
    board.polevr = Grid(board.vertkor, board.gorkor, 0);
    board.polevrSaved = false;
    game.move.hod = 0;
}
