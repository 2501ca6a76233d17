#include "x11.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstring>

xcb_connection_t* x11Connection()
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t internAtom(xcb_connection_t* connection, const char* name)
{
    const XcbReply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, false, uint16_t(std::strlen(name)), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

X11EventFilter::X11EventFilter(QObject* parent, uint8_t kind) : QObject(parent), kind_(kind)
{
    QCoreApplication::instance()->installNativeEventFilter(this);
}

X11EventFilter::~X11EventFilter()
{
    QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool X11EventFilter::nativeEventFilter(const QByteArray& type, void* message, qintptr*)
{
    // The top bit marks an event another client sent.
    return type == "xcb_generic_event_t" && (static_cast<const xcb_generic_event_t*>(message)->response_type & 0x7f) == kind_
        && seen(message);
}
