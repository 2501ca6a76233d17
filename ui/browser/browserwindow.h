// What the browser window and its stand-in share: the name that finds the one open, how each is set up,
// and how the view fits the window's outer size.
#pragma once

#include <optional>

class QWidget;

inline constexpr char kBrowserWindowName[] = "ssiForm2";

// Its name, its title "Игра ПЛОКС", its first size and the game's look.
void setUpBrowserWindow(QWidget* window);

// The view's size for the window's outer size W x H, frame and title bar included, in twips; below the
// thresholds the view keeps its last size.
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
