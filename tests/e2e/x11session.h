// A private X display with the game running on it, driven from outside as a player would:
// xdotool moves the pointer and clicks, ImageMagick's import takes the screenshots.
#pragma once

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QStringList>
#include <QTemporaryDir>

class X11Session {
public:
    X11Session();
    ~X11Session();

    bool startDisplay();
    // Starts the game as a player would, with fresh settings; true once its main window is mapped.
    bool startGame(const QString& program);

    // The id of the first visible window whose title matches, waiting up to a few seconds for it.
    QString waitForWindow(const QString& titlePattern, int milliseconds = 10000);
    bool windowGone(const QString& titlePattern, int milliseconds = 5000);
    QRect geometry(const QString& window);
    void click(const QString& window, QPoint at);
    QImage screenshot();

    QProcess& game() { return game_; }
    QString settingsDir() const { return home_.path() + QStringLiteral("/.config"); }

private:
    QString run(const QString& program, const QStringList& arguments);

    QProcess xvfb_;
    QProcess game_;
    QTemporaryDir home_;
    QString display_;
};
