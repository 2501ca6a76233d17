// The main window's board, colour panel and counters as the rules paint them.
#pragma once

#include "game/canvas.h"

class BoardPicture;
class QLabel;
class QWidget;

class BoardCanvas : public Canvas {
public:
    BoardCanvas(BoardPicture* board, QWidget* panel, QLabel* total, QLabel* remaining, QLabel* removed);

    int areaWidth() const override;
    int areaHeight() const override;
    void resizeArea(int width, int height) override;
    bool areaEnabled() const override;
    void setAreaEnabled(bool enabled) override;
    void clear() override;
    void fillBox(int x1, int y1, int x2, int y2, ColourIndex colour) override;
    void drawLine(int x1, int y1, int x2, int y2, ColourIndex colour) override;
    void setPanelColour(ColourIndex colour) override;
    void setCounters(const std::string& total, const std::string& remaining, const std::string& removed) override;

private:
    BoardPicture* board_;
    QWidget* panel_;
    QLabel* counters_[3];
};
