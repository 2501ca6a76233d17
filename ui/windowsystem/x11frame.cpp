#include "x11frame.h"

#include "windowsystem/x11.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace {

// The window manager records the frame it draws around a window in this property of the window, and names
// it among the properties it supports, in this one of the root window. The names are looked up once: the
// game has one connection to the X server for its whole life.
xcb_atom_t frameExtentsAtom(xcb_connection_t* connection)
{
    static const xcb_atom_t atom = internAtom(connection, "_NET_FRAME_EXTENTS");
    return atom;
}

xcb_atom_t supportedAtom(xcb_connection_t* connection)
{
    static const xcb_atom_t atom = internAtom(connection, "_NET_SUPPORTED");
    return atom;
}

using PropertyReply = XcbReply<xcb_get_property_reply_t>;

PropertyReply property(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t name, xcb_atom_t type, uint32_t length)
{
    return PropertyReply(xcb_get_property_reply(connection, xcb_get_property(connection, false, window, name, type, 0, length),
                                                nullptr),
                         &std::free);
}

// Whether the window manager names the frame record among the properties it supports: one that does
// records every window's frame once it has framed the window.
bool framesRecorded(xcb_connection_t* connection)
{
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const PropertyReply supported = property(connection, root, supportedAtom(connection), XCB_ATOM_ATOM, 4096);
    if (!supported || supported->format != 32)
        return false;
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(supported.get()));
    const auto* end = atoms + xcb_get_property_value_length(supported.get()) / 4;
    return std::find(atoms, end, frameExtentsAtom(connection)) != end;
}

// The frame as the window manager records it, in device pixels. Any X client may
// write the record, so a frame that leaves no room for the window on its screen is no frame.
std::optional<QMargins> soundFrame(const xcb_get_property_reply_t& reply, const QWidget* window)
{
    if (reply.format != 32 || xcb_get_property_value_length(&reply) != 16)
        return std::nullopt;
    const auto* extents = static_cast<const quint32*>(xcb_get_property_value(&reply));
    const QSize screen = window->screen()->geometry().size() * window->devicePixelRatioF();
    if (quint64(extents[0]) + extents[1] >= quint64(screen.width()) || quint64(extents[2]) + extents[3] >= quint64(screen.height()))
        return std::nullopt;
    return QMargins(int(extents[0]), int(extents[2]), int(extents[1]), int(extents[3]));
}

class FrameWatch : public X11EventFilter {
public:
    FrameWatch(QWidget* window, QObject* watcher, std::function<void()> changed, xcb_atom_t frameExtents)
        : X11EventFilter(watcher, XCB_PROPERTY_NOTIFY), window_(window), changed_(std::move(changed)),
          frameExtents_(frameExtents)
    {
    }

protected:
    bool seen(const void* event) override
    {
        const auto* property = static_cast<const xcb_property_notify_event_t*>(event);
        if (property->atom == frameExtents_ && window_->internalWinId() == property->window)
            QMetaObject::invokeMethod(this, changed_, Qt::QueuedConnection);
        return false;
    }

private:
    QWidget* window_;
    std::function<void()> changed_;
    xcb_atom_t frameExtents_;
};

} // namespace

X11Frame x11Frame(const QWidget* window)
{
    xcb_connection_t* connection = x11Connection();
    if (!connection || !window->internalWinId())
        return X11Frame{};
    const PropertyReply record =
        property(connection, xcb_window_t(window->internalWinId()), frameExtentsAtom(connection), XCB_ATOM_CARDINAL, 4);
    if (!record)
        return X11Frame{};
    if (record->type == XCB_ATOM_NONE)
        return X11Frame{framesRecorded(connection), std::nullopt};
    const std::optional<QMargins> device = soundFrame(*record, window);
    if (!device)
        return X11Frame{};
    const qreal ratio = window->devicePixelRatioF();
    const auto pixels = [ratio](int value) { return int(std::lround(value / ratio)); };
    return X11Frame{false, QMargins(pixels(device->left()), pixels(device->top()), pixels(device->right()),
                                    pixels(device->bottom()))};
}

void watchX11Frame(QWidget* window, QObject* watcher, std::function<void()> changed)
{
    if (xcb_connection_t* connection = x11Connection())
        new FrameWatch(window, watcher, std::move(changed), frameExtentsAtom(connection));
}
