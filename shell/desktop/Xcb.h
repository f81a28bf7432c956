#pragma once

// Small helpers for the few X11 requests the program makes itself, through xcb.

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace quiz::x11 {

// Replies from xcb are allocated with malloc and freed by the caller.
template <class T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <class T> Reply<T> TakeReply(T* reply) {
    return Reply<T>(reply, &std::free);
}

inline xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const auto length = static_cast<uint16_t>(std::strlen(name));
    const auto reply = TakeReply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, length, name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

} // namespace quiz::x11
