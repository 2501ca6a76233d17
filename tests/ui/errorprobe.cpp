// A game process in which a handler fails: it reports the box that names the error and closes it as a player would.
#include "gameapplication.h"

#include <QMessageBox>
#include <QTimer>

#include <cstdio>
#include <stdexcept>

int main(int argc, char* argv[])
{
    GameApplication app(argc, argv);
    QTimer::singleShot(0, [] { throw std::overflow_error("Переполнение"); });
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            std::printf("%s|%s\n", qPrintable(box->windowTitle()), qPrintable(box->text()));
            std::fflush(stdout);
            box->accept();
        }
    });
    closer.start(20);
    app.exec();
    // Reaching this point means the error did not end the game.
    return 0;
}
