#include "windowframe.h"

#ifdef IGRA_X11
#include "x11frame.h"
#endif

#include <QWidget>

#include <utility>

QMargins windowFrame(const QWidget* window)
{
    // Qt learns a new frame only with the next change of the window's geometry, so under X11 the window
    // manager's own record is read; where it keeps none, Qt's reckoning from the windows around it stands.
#ifdef IGRA_X11
    if (const std::optional<QMargins> recorded = x11Frame(window))
        return *recorded;
#endif
    const QRect client = window->geometry();
    const QRect frame = window->frameGeometry();
    return QMargins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                    frame.bottom() - client.bottom());
}

void watchFrame([[maybe_unused]] QWidget* window, [[maybe_unused]] std::function<void()> changed)
{
#ifdef IGRA_X11
    watchX11Frame(window, std::move(changed));
#endif
}
