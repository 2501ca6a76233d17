// The frame that an X11 window manager records for a window, and its changes: read only where the game
// runs through an X server.
#pragma once

#include <QMargins>

#include <functional>
#include <optional>

class QWidget;

// The frame in device-independent pixels; none where the window has no sound record of one.
std::optional<QMargins> x11Frame(const QWidget* window);

// Calls back whenever the window manager changes the record.
void watchX11Frame(QWidget* window, std::function<void()> changed);
