#include "platform.h"

#include <QGuiApplication>

#include <algorithm>
#include <cstring>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

PlatformArguments::PlatformArguments(int argc, char** argv)
    : values_(argv, argv + argc)
{
    // Through an X server the windows open where the game puts them, which native Wayland allows no
    // program; the list falls back to Wayland when the X server cannot be reached. A platform the player
    // names, in the environment or on the command line, wins.
    static char option[] = "-platform";
    static char platforms[] = "xcb;wayland";
    const bool named = qEnvironmentVariableIsSet("QT_QPA_PLATFORM")
        || std::any_of(argv + 1, argv + argc, [](const char* argument) {
               return std::strcmp(argument, "-platform") == 0 || std::strcmp(argument, "--platform") == 0;
           });
    if (!named && qEnvironmentVariableIsSet("DISPLAY"))
        values_.insert(values_.end(), {option, platforms});
    count_ = int(values_.size());
    values_.push_back(nullptr);
}

bool nativeWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

bool runsAsSuperuser()
{
#ifdef Q_OS_UNIX
    return geteuid() == 0;
#else
    return false;
#endif
}
