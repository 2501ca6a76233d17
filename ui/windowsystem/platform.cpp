#include "platform.h"

#include <QGuiApplication>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

PlatformArguments::PlatformArguments(int argc, char** argv)
    : values_(argv, argv + argc)
{
    // Through an X server the windows open where the game puts them, which native Wayland allows no
    // program; the list falls back to Wayland when the X server cannot be reached.
    static char option[] = "-platform";
    static char platforms[] = "xcb;wayland";
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && qEnvironmentVariableIsSet("DISPLAY"))
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
