// How the help and browser windows fit their controls to the window's outer size, frame and title bar
// included, in twips; below a threshold the controls keep their last places.
#pragma once

#include "twips.h"
#include "windowframe.h"

#include <QSizeF>
#include <QWidget>

#include <optional>

struct HelpArrangement {
    float textWidth;
    float textHeight;
    float buttonsTop;
};

inline std::optional<HelpArrangement> arrangeHelp(float w, float h)
{
    if (!(w > 5500 && h > 2000))
        return std::nullopt;
    return HelpArrangement{w - 400, h - 1300, h - 1000};
}

struct BrowserArrangement {
    float viewWidth;
    float viewHeight;
};

inline std::optional<BrowserArrangement> arrangeBrowser(float w, float h)
{
    if (!(h > 700 && w > 800))
        return std::nullopt;
    return BrowserArrangement{w - 800, h - 700};
}

// The window's outer size; until the window is on the screen with its frame, that is its inner size.
inline QSizeF outerSizeInTwips(const QWidget* window)
{
    return QSizeF(window->size().grownBy(windowFrame(window).value_or(QMargins()))) * kTwipsPerPixel;
}
