#include "gameicon.h"

#include "look/look.h"

#include <QPainter>

namespace look {

const std::vector<IconLayout> kIcons = {
    {16, 1, 7, 0, {{9, 12}, {10, 11}}},
    {32, 3, 8, 1, {{10, 12, 11}, {9, 12, 9}, {13, 10, 12}}},
    {48, 2, 14, 1, {{10, 12, 11}, {9, 12, 9}, {13, 10, 12}}},
};

QRect cellRect(const IconLayout& icon, int row, int column)
{
    return QRect(icon.pad + column * (icon.cell + icon.gap), icon.pad + row * (icon.cell + icon.gap), icon.cell,
                 icon.cell);
}

QPoint markedCell(const IconLayout& icon)
{
    return icon.cubes.size() == 2 ? QPoint(0, 0) : QPoint(0, 1);
}

QImage drawIcon(const IconLayout& icon)
{
    QImage image(icon.size, icon.size, QImage::Format_ARGB32);
    image.fill(kWindowGround);
    QPainter painter(&image);
    for (int row = 0; row < int(icon.cubes.size()); ++row)
        for (int column = 0; column < int(icon.cubes[row].size()); ++column) {
            const QRect cube = cellRect(icon, row, column);
            const QColor face = paletteColour(icon.cubes[row][column]);
            painter.fillRect(cube, face);
            if (icon.cell >= 8) {
                // A bevel: light from the top left.
                painter.setPen(face.lighter(160));
                painter.drawLine(cube.topLeft(), cube.topRight());
                painter.drawLine(cube.topLeft(), cube.bottomLeft());
                painter.setPen(face.darker(170));
                painter.drawLine(cube.bottomLeft(), cube.bottomRight());
                painter.drawLine(cube.topRight(), cube.bottomRight());
            }
        }
    const QPoint marked = markedCell(icon);
    const QRect cube = cellRect(icon, marked.y(), marked.x());
    painter.setClipRect(cube);
    painter.setPen(QPen(Qt::white, icon.size >= 48 ? 2 : 1));
    painter.drawLine(cube.topLeft(), cube.bottomRight());
    painter.drawLine(cube.bottomLeft(), cube.topRight());
    return image;
}

} // namespace look
