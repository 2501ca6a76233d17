#include "x11activation.h"

#include "windowsystem/x11.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QWidget>

namespace {

// Qt sends its request to the root window for the window manager, and also listens there: the request
// comes back to the game as a message to the window.
class OwnRequestIgnored : public QObject, public QAbstractNativeEventFilter {
public:
    OwnRequestIgnored(QWidget* window, xcb_atom_t activate) : QObject(window), window_(window), activate_(activate)
    {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }

    ~OwnRequestIgnored() override { QCoreApplication::instance()->removeNativeEventFilter(this); }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        if (type != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE)
            return false;
        const auto* request = static_cast<const xcb_client_message_event_t*>(message);
        return request->type == activate_ && request->window == window_->internalWinId();
    }

private:
    QWidget* window_;
    xcb_atom_t activate_;
};

} // namespace

void activeOnlyByFocus(QWidget* window)
{
    if (xcb_connection_t* connection = x11Connection())
        new OwnRequestIgnored(window, internAtom(connection, "_NET_ACTIVE_WINDOW"));
}
