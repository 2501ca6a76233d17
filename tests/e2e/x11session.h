// A private X display, perhaps with a window manager, and the game running on it, driven from outside
// as a player would: xdotool moves the pointer, clicks and types, wmctrl asks the window manager what a
// task bar would, xprop and xwininfo read what the window manager sees, ImageMagick's import takes the
// screenshots. Every process it starts it ends by its id.
#pragma once

#include "look/twips.h"

#include <QImage>
#include <QMargins>
#include <QProcess>
#include <QRect>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

// A point a little inside a button whose top-left corner stands at (left, top) twips in its window.
inline QPoint inButton(int left, int top)
{
    return QPoint(pixelsFromTwips(left) + 20, pixelsFromTwips(top) + 10);
}

class X11Session {
public:
    X11Session();
    ~X11Session();

    // An X server of its own with a screen of the given size, or one that runs already (such as an
    // Xwayland), which it then only looks at.
    bool startDisplay(QSize screen = QSize(1024, 768));
    void attachDisplay(const QString& display) { display_ = display; }
    QString display() const { return display_; }
    // "openbox", "mutter" or "xfwm4"; an empty name starts none. True once it manages the screen.
    bool startWindowManager(const QString& name);
    bool hasWindowManager() const { return !windowManager_.isEmpty(); }
    // Starts the game as a player would, with fresh settings; true once its main window is mapped.
    bool startGame(const QString& program);

    // The id of the first visible window whose title matches, waiting up to a few seconds for it.
    QString waitForWindow(const QString& titlePattern, int milliseconds = 10000);
    // The same, once the window manager has framed it and it stands still where the game put it, so
    // that a click lands where it is aimed.
    QString settledWindow(const QString& titlePattern, int milliseconds = 10000);
    bool windowGone(const QString& titlePattern, int milliseconds = 5000);
    // Polls until the condition holds; false if it never did.
    static bool waitUntil(const std::function<bool()>& condition, int milliseconds = 5000);
    // Ends a process it started as a session ends it: asked first, killed if it stays.
    static void end(QProcess& process);

    // What the window manager and a task bar see of a window.
    QString title(const QString& window);   // _NET_WM_NAME
    QString transientFor(const QString& window); // WM_TRANSIENT_FOR
    QString userTime(const QString& window); // _NET_WM_USER_TIME: of the latest input taken, or showing
    QRect clientArea(const QString& window); // on the screen
    QMargins frameExtents(const QString& window);
    QRect frame(const QString& window) { return clientArea(window).marginsAdded(frameExtents(window)); }
    bool isMapped(const QString& window);
    QStringList stacking();      // managed windows, bottom to top
    QString activeWindow();
    QSize screenSize() const { return screen_; }

    void click(const QString& window, QPoint at);
    void pointAt(const QString& window, QPoint at);
    // The pointer at a point of the screen, and a click there.
    void pointAtScreen(QPoint at);
    void clickHere();
    void key(const QString& name);
    void resize(const QString& window, QSize size);
    // Raises a window over the others, through the window manager where there is one.
    void raise(const QString& window);
    // Asks the window manager, as a task bar or a title bar would.
    void activate(const QString& window);
    void requestClose(const QString& window);
    void minimise(const QString& window);
    void setMaximised(const QString& window, bool maximised);
    // Writes the window's frame record as another X client may: left, right, top, bottom.
    void setFrameExtents(const QString& window, const QString& extents);

    QImage screenshot(const QString& window = QStringLiteral("root"));
    // The window's client area as the screen shows it, once the condition holds of it (or the last one);
    // with no condition, as it shows now.
    QImage shotOf(const QString& window, const std::function<bool(const QImage&)>& shown = {},
                  int milliseconds = 10000);

    QProcess& game() { return game_; }
    QString settingsDir() const { return home_.path() + QStringLiteral("/.config"); }

private:
    QString run(const QString& program, const QStringList& arguments);
    QProcessEnvironment environment() const;
    QString hexId(const QString& window);
    // The window that a property names, read with xprop's arguments: the window (or -root) and the property.
    QString windowIn(const QStringList& property);

    QProcess xvfb_;
    QProcess bus_;
    QProcess windowManagerProcess_;
    QProcess game_;
    QTemporaryDir home_;
    QString display_;
    QSize screen_;
    QString busAddress_;
    QString windowManager_;
};
