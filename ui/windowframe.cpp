#include "windowframe.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
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

// The window manager records the frame it draws around a window in this property of the window.
xcb_atom_t frameExtentsAtom(xcb_connection_t* connection)
{
    const char name[] = "_NET_FRAME_EXTENTS";
    const XcbReply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, false, sizeof name - 1, name), nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
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

QMargins windowFrame(const QWidget* window)
{
    // Qt learns a new frame only with the next change of the window's geometry, so under X11 the window
    // manager's own record is read; where it keeps none, Qt's reckoning from the windows around it stands.
    xcb_connection_t* connection = x11Connection();
    if (connection && window->internalWinId()) {
        const xcb_get_property_cookie_t cookie =
            xcb_get_property(connection, false, xcb_window_t(window->internalWinId()), frameExtentsAtom(connection),
                             XCB_ATOM_CARDINAL, 0, 4);
        const XcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(connection, cookie, nullptr), &std::free);
        if (reply && reply->format == 32 && xcb_get_property_value_length(reply.get()) == 16) {
            const auto* extents = static_cast<const quint32*>(xcb_get_property_value(reply.get()));
            const qreal ratio = window->devicePixelRatioF();
            const auto pixels = [ratio](quint32 device) { return int(std::lround(device / ratio)); };
            // Left, right, top, bottom.
            return QMargins(pixels(extents[0]), pixels(extents[2]), pixels(extents[1]), pixels(extents[3]));
        }
    }
    const QRect client = window->geometry();
    const QRect frame = window->frameGeometry();
    return QMargins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                    frame.bottom() - client.bottom());
}

void watchFrame(QWidget* window, std::function<void()> changed)
{
    if (xcb_connection_t* connection = x11Connection())
        new FrameWatch(window, std::move(changed), frameExtentsAtom(connection));
}
