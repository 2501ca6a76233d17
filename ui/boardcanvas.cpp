#include "boardcanvas.h"

#include "boardpicture.h"
#include "look/look.h"
#include "look/twips.h"

#include <QLabel>

BoardCanvas::BoardCanvas(BoardPicture* board, QWidget* panel, QLabel* total, QLabel* remaining, QLabel* removed)
    : board_(board), panel_(panel), counters_{total, remaining, removed}
{
}

int BoardCanvas::areaWidth() const
{
    return board_->width() * kTwipsPerPixel;
}

int BoardCanvas::areaHeight() const
{
    return board_->height() * kTwipsPerPixel;
}

void BoardCanvas::resizeArea(int width, int height)
{
    board_->resize(pixelsFromTwips(width), pixelsFromTwips(height));
}

bool BoardCanvas::areaEnabled() const
{
    return board_->isEnabledTo(board_->window());
}

void BoardCanvas::setAreaEnabled(bool enabled)
{
    board_->setEnabled(enabled);
}

void BoardCanvas::clear()
{
    board_->clear();
}

void BoardCanvas::fillBox(int x1, int y1, int x2, int y2, ColourIndex colour)
{
    board_->fillBox(x1, y1, x2, y2, look::paletteColour(colour));
}

void BoardCanvas::drawLine(int x1, int y1, int x2, int y2, ColourIndex colour)
{
    board_->drawLine(x1, y1, x2, y2, look::paletteColour(colour));
}

void BoardCanvas::setPanelColour(ColourIndex colour)
{
    look::setGround(panel_, look::paletteColour(colour));
}

void BoardCanvas::setCounters(const std::string& total, const std::string& remaining, const std::string& removed)
{
    const std::string* texts[3] = {&total, &remaining, &removed};
    for (int i = 0; i < 3; ++i)
        counters_[i]->setText(QString::fromStdString(*texts[i]));
}
