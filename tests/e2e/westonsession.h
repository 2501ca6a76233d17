// A Wayland desktop of its own: weston, with Xwayland, running as a window of a private Xvfb. xdotool
// moves the pointer in that Xvfb, which weston takes as its own pointer, and a screenshot of the Xvfb
// is the picture of weston's screen. Every process it starts it ends by its id.
#pragma once

#include "e2e/x11session.h"

#include <QProcess>
#include <QRect>
#include <QTemporaryDir>

class WestonSession {
public:
    WestonSession();
    ~WestonSession();

    bool start();
    // What a player's desktop must offer before the game may prefer one to the other: empty when a
    // Wayland client reaches weston's socket and an X client Xwayland's display, else which does not.
    QString unreachable();

    enum class Platform { Native, Default };
    // Natively, with the session's Wayland only, or as a player of a desktop that offers Xwayland too
    // starts it: with no QT_QPA_PLATFORM, or with the one given.
    bool startGame(const QString& program, Platform platform, const QByteArray& qpaPlatform = QByteArray());
    // Reads the game's end as soon as it happens, with no event loop to deliver it.
    bool gameRuns() { return game_.state() == QProcess::Running && !game_.waitForFinished(0); }
    // The arguments of each Wayland request so named ("get_toplevel", "set_maximized") that the game has
    // sent, as its connection's trace tells, and the last line it wrote.
    QStringList sent(const QString& name) const;
    int requests(const QString& name) const { return int(sent(name).size()); }
    QString lastWords() const;

    // The screen as weston shows it, and Xwayland's X display.
    QImage screenshot() { return screen_.screenshot(); }
    X11Session& xwayland() { return xwayland_; }

    // A click of the pointer at a point of weston's screen.
    void click(QPoint at);

private:
    QProcessEnvironment clientEnvironment() const;
    QString trace() const; // what the game wrote to its standard error

    X11Session screen_;
    X11Session xwayland_;
    QProcess weston_;
    QProcess game_;
    QTemporaryDir runtime_;
    QTemporaryDir home_;
    QString socket_;
    QString trace_;
};
