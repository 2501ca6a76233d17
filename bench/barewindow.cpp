// The yardstick for the game's start-up: a bare Qt program that shows one empty window.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(516, 524);
    window.show();
    return app.exec();
}
