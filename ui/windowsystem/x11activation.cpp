#include "x11activation.h"

#include "windowsystem/x11.h"

#include <QWidget>

namespace {

// Qt sends its request to the root window for the window manager, and also listens there: the request
// comes back to the game as a message to the window.
class OwnRequestIgnored : public X11EventFilter {
public:
    OwnRequestIgnored(QWidget* window, xcb_atom_t activate)
        : X11EventFilter(window, XCB_CLIENT_MESSAGE), window_(window), activate_(activate)
    {
    }

protected:
    bool seen(const void* event) override
    {
        const auto* request = static_cast<const xcb_client_message_event_t*>(event);
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
