// The frame that an X11 window manager records for a window, and its changes: read only where the game
// runs through an X server.
#pragma once

#include <QMargins>

#include <functional>
#include <optional>

class QObject;
class QWidget;

struct X11Frame {
    // The window manager records the frames it draws and has not yet recorded this window's: it does once
    // it has framed the window.
    bool awaited = false;
    // The frame in device-independent pixels, where the window has a sound record of one.
    std::optional<QMargins> recorded;
};

X11Frame x11Frame(const QWidget* window);

// Calls back whenever the window manager changes the record, for as long as the watcher lives.
void watchX11Frame(QWidget* window, QObject* watcher, std::function<void()> changed);
