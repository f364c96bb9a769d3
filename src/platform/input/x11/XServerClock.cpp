#include "platform/input/x11/XServerClock.h"

#include <xcb/xcb.h>

#include <cstdlib>

namespace brevane {

std::vector<ServerTimeProbe> probeServerTime(const Clock& clock, int count)
{
    std::vector<ServerTimeProbe> probes;
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        xcb_disconnect(c);
        return probes;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const xcb_window_t window = xcb_generate_id(c);
    const std::uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window, root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                      XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &mask);
    for (int i = 0; i < count; ++i) {
        ServerTimeProbe p;
        p.beforeNs = clock.nowNs();
        // Appending nothing still changes the property: the server says when.
        xcb_change_property(c, XCB_PROP_MODE_APPEND, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, 0, nullptr);
        xcb_flush(c);
        while (xcb_generic_event_t* event = xcb_wait_for_event(c)) {
            const bool notified = (event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY;
            if (notified) {
                p.afterNs = clock.nowNs();
                p.serverMs = reinterpret_cast<const xcb_property_notify_event_t*>(event)->time;
            }
            std::free(event);
            if (notified)
                break;
        }
        if (p.afterNs == 0)
            break; // the connection broke
        probes.push_back(p);
    }
    xcb_destroy_window(c, window);
    xcb_disconnect(c);
    return probes;
}

} // namespace brevane
