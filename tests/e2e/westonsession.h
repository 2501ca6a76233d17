// A Wayland desktop of its own: weston, with Xwayland, running as a window of a private Xvfb. xdotool
// moves the pointer in that Xvfb, which weston takes as its own pointer, and a screenshot of the Xvfb
// is the picture of weston's screen. Every process it starts it ends by its id.
#pragma once

#include "x11session.h"

#include <QProcess>
#include <QRect>
#include <QTemporaryDir>

class WestonSession {
public:
    WestonSession();
    ~WestonSession();

    bool start();

    enum class Platform { Native, Default };
    // Natively, with the session's Wayland only, or as a player of a desktop that offers Xwayland too
    // starts it: with no QT_QPA_PLATFORM, or with the one given.
    bool startGame(const QString& program, Platform platform, const QByteArray& qpaPlatform = QByteArray());
    QProcess& game() { return game_; }

    // The screen as weston shows it, and Xwayland's X display.
    QImage screenshot() { return screen_.screenshot(); }
    X11Session& xwayland() { return xwayland_; }

    // A click of the pointer at a point of weston's screen.
    void click(QPoint at);

private:
    X11Session screen_;
    X11Session xwayland_;
    QProcess weston_;
    QProcess game_;
    QTemporaryDir runtime_;
    QTemporaryDir home_;
    QString socket_;
};
