#include "placement.h"

#include "windowsystem/platform.h"
#include "windowsystem/windowframe.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <functional>
#include <optional>
#include <utility>

namespace {

// What a window asks of the window system: the size of its client area, and where that lies where the
// window says so.
struct Request {
    QSize size;
    std::optional<QPoint> topLeft;
};

// A window that the player may resize opens no larger than the free area, frame and title bar included.
QSize fittedSize(const QWidget* window, const QRect& area, const QMargins& frame)
{
    if (window->minimumSize() == window->maximumSize())
        return window->size();
    return window->size().boundedTo(area.size().shrunkBy(frame)).expandedTo(window->minimumSize());
}

// The client area's top-left corner for a window framed as given, moved the least that brings the frame
// into the area, and where it is larger than the area, its top-left corner.
QPoint clientInside(QRect framed, const QRect& area, const QMargins& frame)
{
    framed.moveRight(std::min(framed.right(), area.right()));
    framed.moveBottom(std::min(framed.bottom(), area.bottom()));
    framed.moveLeft(std::max(framed.left(), area.left()));
    framed.moveTop(std::max(framed.top(), area.top()));
    return framed.topLeft() + QPoint(frame.left(), frame.top());
}

// A window manager frames a window only once it is on the screen. So the window is first placed, as it is
// shown, as if it had no frame, then put right as soon as its frame is known: once the window manager has
// recorded the frame it made, or where none records frames, by the window's first paint at the latest.
// Where it stands is judged by what the window system reports afterwards, never by the geometry that Qt
// reports from inside a request.
class FramedPlacement : public QObject {
public:
    using Place = std::function<Request(const QRect& area, const QMargins& frame)>;

    FramedPlacement(QWidget* window, Place place)
        : QObject(window), window_(window), place_(std::move(place))
    {
        window->installEventFilter(this);
        watchFrame(window, this, [this] {
            if (asked_)
                placeInFrame();
        });
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (requesting_)
            return false;
        if (!asked_) {
            if (event->type() == QEvent::Show) {
                request(place_(area(), QMargins()));
                // Native Wayland places every window itself, and says nothing of where.
                if (nativeWayland())
                    finish();
            }
        } else if (event->type() == QEvent::Move || (event->type() == QEvent::Paint && !framed_)) {
            painted_ = painted_ || event->type() == QEvent::Paint;
            placeInFrame();
        }
        return false;
    }

private:
    // A few window managers put the frame, not the client area, where they are asked; a request is made
    // again, less what the window manager added, until the window stands where it belongs.
    static constexpr int kMaxRequests = 3;

    QRect area() const { return window_->screen()->availableGeometry(); }

    static bool holds(const QRect& client, const Request& wanted)
    {
        return client.size() == wanted.size && (!wanted.topLeft || client.topLeft() == *wanted.topLeft);
    }

    void request(const Request& wanted)
    {
        requesting_ = true;
        if (wanted.topLeft)
            window_->setGeometry(QRect(*wanted.topLeft, wanted.size));
        else
            window_->resize(wanted.size);
        requesting_ = false;
        asked_ = wanted;
    }

    // Once the frame is known, each request is judged by the move that the window manager answers it
    // with. A request for exactly where the window belongs needs no answer: a window manager puts the
    // client area where it is asked, or the frame, and then the window is where it belongs already.
    void placeInFrame()
    {
        const std::optional<QMargins> frame = windowFrame(window_);
        if (!frame)
            return;
        if (frame->isNull()) {
            // Painted on the screen and still without a frame: no window manager frames it.
            if (painted_)
                finish();
            return;
        }
        framed_ = true;
        Request wanted = place_(area(), *frame);
        const QRect client = window_->geometry();
        if (holds(client, wanted) || ++requests_ > kMaxRequests) {
            finish();
            return;
        }
        const Request belongs = wanted;
        if (wanted.topLeft && asked_->topLeft)
            wanted.topLeft = *wanted.topLeft - (client.topLeft() - *asked_->topLeft);
        request(wanted);
        if (holds(window_->geometry(), belongs))
            finish();
    }

    void finish()
    {
        window_->removeEventFilter(this);
        deleteLater();
    }

    QWidget* window_;
    Place place_;
    std::optional<Request> asked_;
    bool framed_ = false;
    bool painted_ = false;
    bool requesting_ = false;
    int requests_ = 0;
};

void place(QWidget* window, FramedPlacement::Place where)
{
    new FramedPlacement(window, std::move(where));
}

} // namespace

namespace placement {

void onScreen(QWidget* window, QScreen* screen)
{
    // Qt gives a new window the screen where its geometry lies, so the screen is set on the window
    // system's window once that exists.
    window->winId();
    window->windowHandle()->setScreen(screen);
}

void centreOnScreen(QWidget* window)
{
    place(window, [window](const QRect& area, const QMargins& frame) {
        const QSize size = fittedSize(window, area, frame);
        const QRect centred = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size.grownBy(frame), area);
        return Request{size, clientInside(centred, area, frame)};
    });
}

void clientAt(QWidget* window, QPoint topLeft)
{
    place(window, [window, topLeft](const QRect& area, const QMargins& frame) {
        const QSize size = fittedSize(window, area, frame);
        const QPoint client = window->screen()->geometry().topLeft() + topLeft;
        const QRect framed(client - QPoint(frame.left(), frame.top()), size.grownBy(frame));
        return Request{size, clientInside(framed, area, frame)};
    });
}

void systemDefault(QWidget* window)
{
    place(window, [window](const QRect& area, const QMargins& frame) {
        const QSize size = fittedSize(window, area, frame);
        if (window->screen() == QGuiApplication::primaryScreen())
            return Request{size, std::nullopt};
        return Request{size, area.topLeft() + QPoint(frame.left(), frame.top())};
    });
}

} // namespace placement
