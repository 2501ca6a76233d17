// Игра ПЛОКС: starting the game means showing its main window; the process ends with its last window.
#include "gameapplication.h"
#include "ssiform1.h"
#include "windowsystem/platform.h"

int main(int argc, char* argv[])
{
    PlatformArguments arguments(argc, argv);
    GameApplication app(arguments.count(), arguments.values());
    (new ssiForm1)->show();
    return app.exec();
}
