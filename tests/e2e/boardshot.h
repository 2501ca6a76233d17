// The board as a screenshot of the main window's client area shows it, read cell by cell.
#pragma once

#include "game/palette.h"
#include "look/twips.h"

#include <QImage>
#include <QString>
#include <QVector>

// Cell (row, column) of a board of cells `razmer` twips wide, as the board area inside the window shows it.
inline QPoint cellCentre(int row, int column, int razmer)
{
    const QPoint board(8, 8);
    return board + QPoint(((column - 1) * razmer + razmer / 2) / kTwipsPerPixel, ((row - 1) * razmer + razmer / 2) / kTwipsPerPixel);
}

// The colour index shown at a cell, read a little off its centre where a cross would not run; -1 if none.
inline int shownIndex(const QImage& window, int row, int column, int razmer)
{
    const QPoint at = cellCentre(row, column, razmer) - QPoint(0, razmer * 3 / 10 / kTwipsPerPixel);
    if (!window.rect().contains(at))
        return -1;
    const QRgb rgb = window.pixel(at);
    for (int k = 0; k < 16; ++k)
        if (qRgb(kPalette[k].red, kPalette[k].green, kPalette[k].blue) == rgb)
            return k;
    return -1;
}

// White pixels inside a cell: a mark cross draws both its diagonals.
inline int whitePixels(const QImage& window, int row, int column, int razmer)
{
    const QPoint board(8, 8);
    int white = 0;
    for (int y = ((row - 1) * razmer) / kTwipsPerPixel + 1; y < (row * razmer) / kTwipsPerPixel - 1; ++y)
        for (int x = ((column - 1) * razmer) / kTwipsPerPixel + 1; x < (column * razmer) / kTwipsPerPixel - 1; ++x)
            white += window.pixel(board + QPoint(x, y)) == qRgb(255, 255, 255);
    return white;
}

using Board = QVector<QVector<int>>; // [row - 1][column - 1]

inline Board readBoard(const QImage& window, int rows, int columns, int razmer)
{
    Board board(rows, QVector<int>(columns));
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= columns; ++c)
            board[r - 1][c - 1] = shownIndex(window, r, c, razmer);
    return board;
}

inline QString describe(const Board& board)
{
    QString text;
    for (const QVector<int>& row : board) {
        for (int k : row)
            text += k < 0 ? QLatin1Char('?') : k == 15 ? QLatin1Char('.') : QLatin1Char("0123456789abcdef"[k]);
        text += QLatin1Char('\n');
    }
    return text;
}

// A board dealt in colours 0..cvet, with no empty cell.
inline bool dealt(const Board& board, int cvet)
{
    for (const QVector<int>& row : board)
        for (int k : row)
            if (k < 0 || k > cvet)
                return false;
    return true;
}
