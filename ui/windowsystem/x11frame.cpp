#include "x11frame.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <xcb/xcb.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <utility>

namespace {

template <typename Reply>
using XcbReply = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_connection_t* x11Connection()
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

// The window manager records the frame it draws around a window in this property of the window. Its name
// is looked up once: the game has one connection to the X server for its whole life.
xcb_atom_t frameExtentsAtom(xcb_connection_t* connection)
{
    static const xcb_atom_t atom = [connection] {
        const char name[] = "_NET_FRAME_EXTENTS";
        const XcbReply<xcb_intern_atom_reply_t> reply(
            xcb_intern_atom_reply(connection, xcb_intern_atom(connection, false, sizeof name - 1, name), nullptr),
            &std::free);
        return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    }();
    return atom;
}

// The frame as the window manager records it, in device pixels. Any X client may
// write the record, so a frame that leaves no room for the window on its screen is no frame.
std::optional<QMargins> recordedFrame(xcb_connection_t* connection, const QWidget* window)
{
    const xcb_get_property_cookie_t cookie = xcb_get_property(
        connection, false, xcb_window_t(window->internalWinId()), frameExtentsAtom(connection), XCB_ATOM_CARDINAL, 0, 4);
    const XcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(connection, cookie, nullptr), &std::free);
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 16)
        return std::nullopt;
    const auto* extents = static_cast<const quint32*>(xcb_get_property_value(reply.get()));
    const QSize screen = window->screen()->geometry().size() * window->devicePixelRatioF();
    if (quint64(extents[0]) + extents[1] >= quint64(screen.width()) || quint64(extents[2]) + extents[3] >= quint64(screen.height()))
        return std::nullopt;
    return QMargins(int(extents[0]), int(extents[2]), int(extents[1]), int(extents[3]));
}

class FrameWatch : public QObject, public QAbstractNativeEventFilter {
public:
    FrameWatch(QWidget* window, std::function<void()> changed, xcb_atom_t frameExtents)
        : QObject(window), window_(window), changed_(std::move(changed)), frameExtents_(frameExtents)
    {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }

    ~FrameWatch() override { QCoreApplication::instance()->removeNativeEventFilter(this); }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        if (type != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY)
            return false;
        const auto* property = static_cast<const xcb_property_notify_event_t*>(message);
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

std::optional<QMargins> x11Frame(const QWidget* window)
{
    xcb_connection_t* connection = x11Connection();
    const auto recorded = connection && window->internalWinId() ? recordedFrame(connection, window) : std::nullopt;
    if (!recorded)
        return std::nullopt;
    const qreal ratio = window->devicePixelRatioF();
    const auto pixels = [ratio](int device) { return int(std::lround(device / ratio)); };
    return QMargins(pixels(recorded->left()), pixels(recorded->top()), pixels(recorded->right()), pixels(recorded->bottom()));
}

void watchX11Frame(QWidget* window, std::function<void()> changed)
{
    if (xcb_connection_t* connection = x11Connection())
        new FrameWatch(window, std::move(changed), frameExtentsAtom(connection));
}
