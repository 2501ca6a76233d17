// What the window system lets the game do with its windows.
#pragma once

#include <QGuiApplication>

// Native Wayland lets no program place its windows, and gives it no way to bring back a minimised one.
inline bool nativeWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}
