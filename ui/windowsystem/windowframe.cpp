#include "windowframe.h"

#ifdef IGRA_X11
#include "x11frame.h"
#endif

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

void watchFrame([[maybe_unused]] QWidget* window, [[maybe_unused]] QObject* watcher,
                [[maybe_unused]] std::function<void()> changed)
{
#ifdef IGRA_X11
    watchX11Frame(window, watcher, std::move(changed));
#endif
}
