#include "windowframe.h"

#ifdef IGRA_X11
#include "windowsystem/x11frame.h"
#endif

#include <QEvent>
#include <QWidget>

#include <utility>

std::optional<QMargins> windowFrame(const QWidget* window)
{
    // Qt learns a new frame only with the next change of the window's geometry, so under X11 the window
    // manager's own record is read, or awaited where it keeps one; where it keeps none, Qt's reckoning from
    // the windows around it stands.
#ifdef IGRA_X11
    const X11Frame x11 = x11Frame(window);
    if (x11.recorded || x11.awaited)
        return x11.recorded;
#endif
    const QRect client = window->geometry();
    const QRect frame = window->frameGeometry();
    // A window manager may put the window into its frame before it gives the frame its size: a frame that
    // does not hold the window is one still being made.
    if (!frame.contains(client))
        return std::nullopt;
    return QMargins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                    frame.bottom() - client.bottom());
}

QSize outerSize(const QWidget* window)
{
    return window->size().grownBy(windowFrame(window).value_or(QMargins()));
}

namespace {

class OuterSizeFollower : public QObject {
public:
    OuterSizeFollower(QWidget* window, std::function<void()> arrange)
        : QObject(window), window_(window), arrange_(std::move(arrange))
    {
        window->installEventFilter(this);
        watchFrame(window, this, arrange_);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Resize || event->type() == QEvent::Move
            || (event->type() == QEvent::ActivationChange && window_->isActiveWindow()))
            arrange_();
        return false;
    }

private:
    QWidget* window_;
    std::function<void()> arrange_;
};

} // namespace

void followOuterSize(QWidget* window, std::function<void()> arrange)
{
    new OuterSizeFollower(window, std::move(arrange));
}

void watchFrame([[maybe_unused]] QWidget* window, [[maybe_unused]] QObject* watcher,
                [[maybe_unused]] std::function<void()> changed)
{
#ifdef IGRA_X11
    watchX11Frame(window, watcher, std::move(changed));
#endif
}
