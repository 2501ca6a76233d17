#include "platform.h"

#include <QGuiApplication>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

void preferX11()
{
    // Through an X server the windows open where the game puts them, which native Wayland allows no
    // program; the list falls back to Wayland when the X server cannot be reached.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && qEnvironmentVariableIsSet("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
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
