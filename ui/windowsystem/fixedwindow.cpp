#include "fixedwindow.h"

#include "windowsystem/openwindow.h"
#include "windowsystem/platform.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

// On native Wayland Qt draws the title bar itself, with a minimise and a maximise box whatever the window
// asks for. A window of fixed size cannot follow either: maximised, it breaks the protocol and the
// compositor ends the game; minimised, it may never come back where the desktop has no task bar. So the
// window answers either by being shown afresh as it was. A compositor that maximises every window it
// shows (a kiosk or a phone shell) would be answered without end: a window that comes back that way
// before it was ever painted as it was stays as the compositor wants it.
class ShownAfresh : public QObject {
public:
    explicit ShownAfresh(QWidget* window)
        : QObject(window), window_(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        // The window system's window exists from the first showing on.
        if (event->type() == QEvent::Show && !watched_) {
            watched_ = true;
            connect(window_->windowHandle(), &QWindow::windowStateChanged, this, [this](Qt::WindowState state) {
                if ((state == Qt::WindowMaximized || state == Qt::WindowMinimized) && !trying_) {
                    trying_ = true;
                    // Not while the title bar is still handling the click.
                    QTimer::singleShot(0, this, [this] { showAfresh(window_, Qt::WindowMinimized | Qt::WindowMaximized); });
                }
            });
        }
        if (event->type() == QEvent::Paint && window_->windowHandle()->windowStates() == Qt::WindowNoState)
            trying_ = false;
        return false;
    }

private:
    QWidget* window_;
    bool watched_ = false;
    bool trying_ = false;
};

} // namespace

void showAfreshWhenMaximisedOrMinimised(QWidget* window)
{
    new ShownAfresh(window);
}

void makeFixed(QWidget* window, Qt::WindowType type)
{
    window->setWindowFlags(type | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                           | Qt::MSWindowsFixedSizeDialogHint);
    window->setFixedSize(window->size());
    if (nativeWayland())
        showAfreshWhenMaximisedOrMinimised(window);
}
