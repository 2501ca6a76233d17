// Where the game's windows open, as the player sees them: with the frame and title bar that the window
// manager gives them once they are on the screen.
#pragma once

class QPoint;
class QWidget;

namespace placement {

// The whole window, frame and title bar included, in the middle of its screen's free area.
void centreOnScreen(QWidget* window);

// The window's client area with its top-left corner at a point of the primary screen, in pixels
// from the screen's own top-left corner.
void clientAt(QWidget* window, QPoint topLeft);

} // namespace placement
