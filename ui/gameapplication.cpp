#include "gameapplication.h"

#include "look/look.h"

#include <QMessageBox>

#include <cstdio>
#include <cstdlib>
#include <exception>

GameApplication::GameApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
    // No display name: Qt would append it to every window's title.
    setApplicationName(QStringLiteral("igra"));
    setApplicationVersion(QStringLiteral("1.0.0"));
    setDesktopFileName(QStringLiteral("example.virdon.igra"));
    look::setApplicationLook();
}

bool GameApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        fail(QString::fromUtf8(error.what()));
    } catch (...) {
        fail(QStringLiteral("неизвестная ошибка"));
    }
    return false;
}

void GameApplication::fail(const QString& error)
{
    std::fprintf(stderr, "igra: run-time error: %s\n", error.toLocal8Bit().constData());
    std::fflush(stderr);
    // Errors that follow while the first is on screen are only logged: the process ends when its box closes.
    if (reporting_)
        return;
    reporting_ = true;
    QMessageBox::critical(nullptr, QStringLiteral("Игра"),
                          QStringLiteral("Ошибка выполнения: %1.\nИгра будет закрыта.").arg(error));
    std::_Exit(EXIT_FAILURE);
}
