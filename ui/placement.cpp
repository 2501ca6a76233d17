#include "placement.h"

#include "windowframe.h"
#include "windowsystem.h"

#include <QEvent>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <functional>
#include <utility>

namespace {

// A window manager frames a window only once it is on the screen. So the window is first placed as if it
// had no frame, then put right as soon as its frame is known, which is by its first paint at the latest.
class FramedPlacement : public QObject {
public:
    // Where the client area's top-left corner belongs, given the frame around it.
    using Place = std::function<QPoint(const QMargins& frame)>;

    FramedPlacement(QWidget* window, Place place)
        : QObject(window), window_(window), place_(std::move(place)), requested_(place_(QMargins()))
    {
        window->setGeometry(QRect(requested_, window->size()));
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Move || event->type() == QEvent::Paint)
            placeInFrame();
        return false;
    }

private:
    // A few window managers put the frame, not the client area, where they are asked; a request is made
    // again, less what the window manager added, until the window stands where it belongs.
    static constexpr int kMaxRequests = 3;

    void placeInFrame()
    {
        const QRect client = window_->geometry();
        const QMargins margins = windowFrame(window_);
        if (margins.isNull())
            return; // not framed yet, or by no window manager at all
        const QPoint wanted = place_(margins);
        if (client.topLeft() == wanted || ++requests_ > kMaxRequests) {
            window_->removeEventFilter(this);
            deleteLater();
            return;
        }
        requested_ = wanted - (client.topLeft() - requested_);
        window_->setGeometry(QRect(requested_, client.size()));
    }

    QWidget* window_;
    Place place_;
    QPoint requested_;
    int requests_ = 0;
};

// Native Wayland places every window itself.
void place(QWidget* window, FramedPlacement::Place where)
{
    if (!nativeWayland())
        new FramedPlacement(window, std::move(where));
}

} // namespace

namespace placement {

void centreOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    place(window, [window, area = screen->availableGeometry()](const QMargins& frame) {
        const QSize outer = window->size().grownBy(frame);
        return QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, outer, area).topLeft()
            + QPoint(frame.left(), frame.top());
    });
}

void clientAt(QWidget* window, QPoint topLeft)
{
    const QPoint onScreen = QGuiApplication::primaryScreen()->geometry().topLeft() + topLeft;
    place(window, [onScreen](const QMargins&) { return onScreen; });
}

} // namespace placement
