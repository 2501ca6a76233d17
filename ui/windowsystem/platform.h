// The platform the game runs on: the window system it chooses at start, what native Wayland allows, and
// whether it runs with the machine's highest rights.
#pragma once

#include <vector>

// The application's arguments: the game's own, and, where the session offers an X server besides Wayland
// and the player has named no platform in QT_QPA_PLATFORM, the choice of X11. Made as an argument, the
// choice is the game's alone: the programs it starts see the environment as the player had it.
class PlatformArguments {
public:
    PlatformArguments(int argc, char** argv);

    int& count() { return count_; }
    char** values() { return values_.data(); }

private:
    std::vector<char*> values_;
    int count_;
};

// Native Wayland lets no program place its windows, and gives it no way to bring back a minimised one.
bool nativeWayland();

// Whether the game runs as the superuser, on a system that has one.
bool runsAsSuperuser();
