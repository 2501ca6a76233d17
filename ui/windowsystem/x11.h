// What every part of the game that talks to the X server directly needs: the game's connection and names.
#pragma once

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

template <typename Reply>
using XcbReply = std::unique_ptr<Reply, decltype(&std::free)>;

// The connection Qt opened, or none where the game runs through another window system.
xcb_connection_t* x11Connection();

xcb_atom_t internAtom(xcb_connection_t* connection, const char* name);
