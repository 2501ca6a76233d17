// The yardstick for the game's start-up: a window of the game's size holding one bold label in the game's
// font, placed as the game's windows place their labels, which pays for the font machinery as any window
// with text does.
#include "look/look.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(516, 524);
    look::addLabel(&window, "Label4", QStringLiteral("Цвет выбранного кубика"), QRect(4800, 120, 2175, 495),
                   look::font(9.75), look::kDarkBlue);
    window.show();
    return app.exec();
}
