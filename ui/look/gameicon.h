// The game's icon, drawn: a move in two light blue cubes one apart in a row, the first marked with the white
// cross, on the dark green ground, at each size a desktop shows it.
#pragma once

#include "game/palette.h"

#include <QImage>
#include <QPoint>
#include <QRect>

#include <vector>

namespace look {

struct IconLayout {
    int size;
    int pad;
    int cell;
    int gap;
    std::vector<std::vector<ColourIndex>> cubes; // rows of colour indices
};

extern const std::vector<IconLayout> kIcons;

QRect cellRect(const IconLayout& icon, int row, int column);
// The marked cube: the second row's first cube on the larger icons, the first cube on the smallest.
QPoint markedCell(const IconLayout& icon);
QImage drawIcon(const IconLayout& icon);

} // namespace look
