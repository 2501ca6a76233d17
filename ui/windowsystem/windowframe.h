// The frame and title bar that the window manager draws around a window.
#pragma once

#include <QMargins>
#include <QSize>

#include <functional>
#include <optional>

class QObject;
class QWidget;

// The frame as it stands now, in device-independent pixels: none before the window is framed, and not
// known while the window manager is still putting it around the window.
std::optional<QMargins> windowFrame(const QWidget* window);

// The window's outer size, frame and title bar included; until the window is on the screen with its frame,
// its inner size.
QSize outerSize(const QWidget* window);

// Calls the window's arrangement of its controls whenever its outer size may have changed: as it is
// resized, moved (its frame becomes known only once it is on the screen), activated or newly framed.
void followOuterSize(QWidget* window, std::function<void()> arrange);

// Calls back whenever the window manager changes the frame, for as long as the watcher lives. Under X11 it
// may do so after the window is on the screen, or just after it has resized the window, once the window
// has fitted its controls to the outer size it knew; elsewhere Qt draws the frame itself, always knows it,
// and nothing is called.
void watchFrame(QWidget* window, QObject* watcher, std::function<void()> changed);
