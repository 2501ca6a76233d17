// What every part of the game that talks to the X server directly needs: the game's connection and names.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

template <typename Reply>
using XcbReply = std::unique_ptr<Reply, decltype(&std::free)>;

// The connection Qt opened, or none where the game runs through another window system.
xcb_connection_t* x11Connection();

xcb_atom_t internAtom(xcb_connection_t* connection, const char* name);

// Sees each event of one kind that the X server sends the game, before Qt does, for as long as it lives.
class X11EventFilter : public QObject, public QAbstractNativeEventFilter {
public:
    X11EventFilter(QObject* parent, uint8_t kind);
    ~X11EventFilter() override;

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) final;

protected:
    // Whether Qt is kept from the event.
    virtual bool seen(const void* event) = 0;

private:
    uint8_t kind_;
};
