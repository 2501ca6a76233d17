// What the rules need of the board area and the panels beside it; the window draws, tests record.
#pragma once

#include "game/palette.h"

#include <string>

// Lengths are twips, 15 to a pixel at 96 dots per inch, with the origin at the board area's
// top-left corner, x to the right and y downwards.
constexpr int kTwipsPerPixel = 15;

class Canvas {
public:
    virtual ~Canvas() = default;

    // The board area's outer size, as held by the window: in whole pixels of 15 twips.
    virtual int areaWidth() const = 0;
    virtual int areaHeight() const = 0;
    virtual void resizeArea(int width, int height) = 0;

    // Whether the board takes mouse releases; it does not while the eye view is on.
    virtual bool areaEnabled() const = 0;
    virtual void setAreaEnabled(bool enabled) = 0;

    // Fills the whole area white.
    virtual void clear() = 0;
    // A filled box whose corners (x1, y1) and (x2, y2) both belong to it.
    virtual void fillBox(int x1, int y1, int x2, int y2, ColourIndex colour) = 0;
    // A straight line from one point to the other, both ends drawn.
    virtual void drawLine(int x1, int y1, int x2, int y2, ColourIndex colour) = 0;

    // The background of the selected-colour panel.
    virtual void setPanelColour(ColourIndex colour) = 0;
    // The texts of the three counters: total, remaining and removed cubes.
    virtual void setCounters(const std::string& total, const std::string& remaining, const std::string& removed) = 0;
};
