#include "browserplugin.h"

#include "openwindow.h"
#include "ssiform2.h"

#include <unistd.h>

void BrowserPlugin::openBrowserWindow()
{
    // The web engine's sandbox refuses to start for the superuser, and the window would stay blank.
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    openWindow<ssiForm2>(QStringLiteral("ssiForm2"))->navigateToStudio();
}
