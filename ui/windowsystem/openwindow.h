// Opening a window of the game: the one already open comes to the front, otherwise a new one is made.
#pragma once

#include "windowsystem/placement.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

#include <utility>

// Every window of the game is top-level with no owner and deletes itself when it closes, so the
// application's list of windows is the one record of which are open.
template <typename Window>
Window* findOpenWindow(const char* name)
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<Window*>(widget);
            window && window->objectName() == QLatin1String(name) && window->isVisible())
            return window;
    return nullptr;
}

// Shows the window anew, as it was but for the given states: hidden and shown again, it is a new window to
// the window system, which puts it in front of the others even where it acts on no program's request to.
inline void showAfresh(QWidget* window, Qt::WindowStates without = Qt::WindowMinimized)
{
    window->hide();
    window->setWindowState(window->windowState() & ~without);
    window->windowHandle()->setWindowStates(window->windowHandle()->windowStates() & ~without);
    window->show();
}

// Shows a window in front of the others. A minimised one is shown afresh: native Wayland has no other way
// to bring it back, and under X11 it comes back the same.
inline void bringToFront(QWidget* window)
{
    if (QWindow* handle = window->windowHandle(); handle && (handle->windowStates() & Qt::WindowMinimized))
        showAfresh(window);
    window->show();
    window->raise();
    window->activateWindow();
}

// A new window opens on the screen of the window it is opened from.
template <typename Window, typename... Arguments>
Window* openWindow(const char* name, const QWidget* opener, Arguments&&... arguments)
{
    Window* window = findOpenWindow<Window>(name);
    if (!window) {
        window = new Window(std::forward<Arguments>(arguments)...);
        placement::onScreen(window, opener->screen());
    }
    bringToFront(window);
    return window;
}
