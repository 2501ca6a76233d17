// The application object: the game's look, and the end of the game on a run-time error.
#pragma once

#include <QApplication>

class GameApplication : public QApplication {
    Q_OBJECT

public:
    GameApplication(int& argc, char** argv);

    // Any error that escapes a handler is shown and ends the process; nothing is saved.
    bool notify(QObject* receiver, QEvent* event) override;

private:
    void fail(const QString& error);
    bool reporting_ = false;
};
