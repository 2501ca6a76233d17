// A canvas for testing the rules without a window: it keeps what was painted where, not pixels.
#pragma once

#include "game/canvas.h"
#include "game/rounding.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

struct PaintedBox {
    int x1, y1, x2, y2;
    ColourIndex colour;
};

struct PaintedLine {
    int x1, y1, x2, y2;
    ColourIndex colour;
    bool operator==(const PaintedLine& other) const
    {
        return x1 == other.x1 && y1 == other.y1 && x2 == other.x2 && y2 == other.y2 && colour == other.colour;
    }
};

class RecordingCanvas : public Canvas {
public:
    // The board area when the main window opens.
    int width = 4575;
    int height = 7335;
    bool enabled = true;
    // The latest box painted at each top-left corner since the last clear.
    std::map<std::pair<int, int>, PaintedBox> boxes;
    std::vector<PaintedLine> lines;
    ColourIndex panel = kEmpty;
    std::string total, remaining, removed;
    int clears = 0;
    int paints = 0; // boxes and lines since the start

    int areaWidth() const override { return width; }
    int areaHeight() const override { return height; }
    // The window holds its size in whole pixels of 15 twips.
    void resizeArea(int w, int h) override
    {
        width = static_cast<int>(roundHalfEven(w / double(kTwipsPerPixel))) * kTwipsPerPixel;
        height = static_cast<int>(roundHalfEven(h / double(kTwipsPerPixel))) * kTwipsPerPixel;
    }
    bool areaEnabled() const override { return enabled; }
    void setAreaEnabled(bool e) override { enabled = e; }
    void clear() override
    {
        boxes.clear();
        lines.clear();
        ++clears;
    }
    void fillBox(int x1, int y1, int x2, int y2, ColourIndex colour) override
    {
        boxes[{x1, y1}] = PaintedBox{x1, y1, x2, y2, colour};
        ++paints;
    }
    void drawLine(int x1, int y1, int x2, int y2, ColourIndex colour) override
    {
        lines.push_back(PaintedLine{x1, y1, x2, y2, colour});
        ++paints;
    }
    void setPanelColour(ColourIndex colour) override { panel = colour; }
    void setCounters(const std::string& t, const std::string& r, const std::string& d) override
    {
        total = t;
        remaining = r;
        removed = d;
    }

    // The colour shown at the cell whose top-left corner is (x, y): white where nothing was painted.
    ColourIndex shownAt(int x, int y) const
    {
        const auto box = boxes.find({x, y});
        return box == boxes.end() ? kEmpty : box->second.colour;
    }
};
