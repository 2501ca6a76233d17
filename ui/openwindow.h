// Opening a window of the game: the one already open comes to the front, otherwise a new one is made.
#pragma once

#include <QApplication>
#include <QWidget>

#include <utility>

// Every window of the game is top-level with no owner and deletes itself when it closes, so the
// application's list of windows is the one record of which are open.
template <typename Window>
Window* findOpenWindow(const QString& name)
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<Window*>(widget); window && window->objectName() == name && window->isVisible())
            return window;
    return nullptr;
}

template <typename Window, typename... Arguments>
Window* openWindow(const QString& name, Arguments&&... arguments)
{
    Window* window = findOpenWindow<Window>(name);
    if (!window)
        window = new Window(std::forward<Arguments>(arguments)...);
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}
