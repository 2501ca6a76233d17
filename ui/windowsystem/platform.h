// The platform the game runs on: the window system it chooses at start, what native Wayland allows, and
// whether it runs with the machine's highest rights.
#pragma once

// Where the session offers an X server besides Wayland, the game runs through it unless the player has
// chosen a platform in QT_QPA_PLATFORM. Called before the application exists.
void preferX11();

// Native Wayland lets no program place its windows, and gives it no way to bring back a minimised one.
bool nativeWayland();

// Whether the game runs as the superuser, on a system that has one.
bool runsAsSuperuser();
