#pragma once
// What every part of the platform that speaks to the X server itself shares (the X display's
// presenter and probe, the XInput 2 press thread): a reply that frees itself, and an atom by name.
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

namespace brevane {

struct XcbFree {
    void operator()(void* p) const { std::free(p); }
};
template <typename T> using XcbReply = std::unique_ptr<T, XcbFree>;

// XCB_ATOM_NONE where the server does not answer.
inline xcb_atom_t internAtom(xcb_connection_t* c, std::string_view name)
{
    XcbReply<xcb_intern_atom_reply_t> r(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::uint16_t(name.size()), name.data()), nullptr));
    return r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
}

} // namespace brevane
