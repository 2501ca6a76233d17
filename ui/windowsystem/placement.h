// Where the game's windows open, as the player sees them: on the screen they are opened on, with the
// frame and title bar that the window manager gives them once they are on the screen, and always where
// the player can reach their title bar and close box.
#pragma once

class QPoint;
class QScreen;
class QWidget;

namespace placement {

// The window opens on the given screen, wherever it is placed there.
void onScreen(QWidget* window, QScreen* screen);

// The whole window, frame and title bar included, in the middle of its screen's free area; one larger
// than that area has its frame's top-left corner in the area's.
void centreOnScreen(QWidget* window);

// The window's client area with its top-left corner at a point of its screen, in pixels from the screen's
// own top-left corner, moved the least that brings the whole window into the screen's free area.
void clientAt(QWidget* window, QPoint topLeft);

// Where the window system puts a new window, on the window's screen: on the primary screen the window
// system chooses; on another, the window opens in the top-left corner of that screen's free area.
void systemDefault(QWidget* window);

} // namespace placement
