// The frame and title bar that the window manager draws around a window.
#pragma once

#include <QMargins>

#include <functional>

class QWidget;

// The frame as it stands now, in device-independent pixels; none before the window is framed.
QMargins windowFrame(const QWidget* window);

// Calls back whenever the window manager changes the frame. Under X11 it may do so just after it has
// resized the window, once the window has fitted its controls to the outer size it knew; elsewhere Qt
// draws the frame itself, always knows it, and nothing is called.
void watchFrame(QWidget* window, std::function<void()> changed);
