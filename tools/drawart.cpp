// Draws the game's pictures into res/: the icon at 16, 32 and 48 pixels for the desktop, as SVG and for a
// macOS bundle, as the game draws it for its windows, and the refresh button's chevrons. Run it by hand after
// changing a design; the build uses the files it wrote.
#include "look/gameicon.h"
#include "look/look.h"

#include <QBuffer>
#include <QColor>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <QTextStream>
#include <QtEndian>

#include <cstdio>
#include <utility>
#include <vector>

namespace {

using namespace look;

QString svgColour(const QColor& c)
{
    return c.name();
}

QString drawSvg(const IconLayout& icon)
{
    QString svg;
    QTextStream out(&svg);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << icon.size << "\" height=\"" << icon.size
        << "\" viewBox=\"0 0 " << icon.size << ' ' << icon.size << "\">\n"
        << "  <rect width=\"" << icon.size << "\" height=\"" << icon.size << "\" fill=\"" << svgColour(kWindowGround)
        << "\"/>\n";
    for (int row = 0; row < int(icon.cubes.size()); ++row)
        for (int column = 0; column < int(icon.cubes[row].size()); ++column) {
            const QRect cube = cellRect(icon, row, column);
            const QColor face = paletteColour(icon.cubes[row][column]);
            out << "  <rect x=\"" << cube.x() << "\" y=\"" << cube.y() << "\" width=\"" << icon.cell
                << "\" height=\"" << icon.cell << "\" fill=\"" << svgColour(face) << "\" stroke=\""
                << svgColour(face.darker(170)) << "\" stroke-width=\"1\"/>\n";
        }
    const QPoint marked = markedCell(icon);
    const QRect cube = cellRect(icon, marked.y(), marked.x());
    out << "  <path d=\"M" << cube.left() << ' ' << cube.top() << " L" << cube.left() + icon.cell << ' '
        << cube.top() + icon.cell << " M" << cube.left() << ' ' << cube.top() + icon.cell << " L"
        << cube.left() + icon.cell << ' ' << cube.top() << "\" stroke=\"#ffffff\" stroke-width=\"2\"/>\n"
        << "</svg>\n";
    return svg;
}

// Two left-pointing chevrons, dark blue-green with a light green rim, on the green of the game's buttons.
QImage drawRefresh()
{
    QImage image(28, 49, QImage::Format_RGB32);
    image.fill(QColor(0, 128, 0));
    QPainter painter(&image);
    painter.setPen(QColor(144, 255, 144));
    painter.setBrush(QColor(0, 80, 80));
    for (const int tip : {1, 11}) {
        const QPolygon chevron({QPoint(tip, 24), QPoint(tip + 10, 12), QPoint(tip + 15, 12), QPoint(tip + 5, 24),
                                QPoint(tip + 15, 36), QPoint(tip + 10, 36)});
        painter.drawPolygon(chevron);
    }
    return image.convertToFormat(QImage::Format_RGB888);
}

// The icon of a macOS bundle: an ICNS container of PNG images, at 16 and 32 pixels, and at 128 and 256 the
// 32-pixel icon blown up pixel for pixel.
QByteArray drawIcns()
{
    const QImage small = drawIcon(kIcons[0]);
    const QImage medium = drawIcon(kIcons[1]);
    const std::pair<const char*, QImage> images[] = {
        {"icp4", small}, {"icp5", medium}, {"ic07", medium.scaled(128, 128)}, {"ic08", medium.scaled(256, 256)}};
    const auto chunk = [](const char* type, const QByteArray& data) {
        QByteArray length(4, '\0');
        qToBigEndian(quint32(data.size() + 8), length.data());
        return QByteArray(type, 4) + length + data;
    };
    QByteArray body;
    for (const auto& [type, image] : images) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        body += chunk(type, png);
    }
    return chunk("icns", body);
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: drawart RESOURCE_DIRECTORY\n");
        return 2;
    }
    const QString res = QString::fromLocal8Bit(argv[1]);
    bool written = true;
    for (const IconLayout& icon : kIcons)
        written &= drawIcon(icon).save(QStringLiteral("%1/icons/igra-%2.png").arg(res).arg(icon.size));
    written &= writeFile(res + QStringLiteral("/icons/igra.svg"), drawSvg(kIcons.back()).toUtf8());
    written &= writeFile(res + QStringLiteral("/icons/igra.icns"), drawIcns());
    written &= drawRefresh().save(res + QStringLiteral("/refresh.bmp"));
    if (!written)
        std::fprintf(stderr, "drawart: could not write into %s\n", argv[1]);
    return written ? 0 : 1;
}
