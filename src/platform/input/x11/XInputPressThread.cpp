#include "platform/input/x11/XInputPressThread.h"
#include "platform/XcbReply.h"
#include "platform/input/InputThread.h"
#include "platform/input/x11/XServerClock.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>
#include <xcb/xcb.h>
#include <xcb/xinput.h>

#include <cstdlib>
#include <memory>

namespace brevane {

XInputPressThread::XInputPressThread(const Clock& clock)
    : clock_(clock)
{
}

XInputPressThread::~XInputPressThread()
{
    thread_.stop();
    if (connection_)
        xcb_disconnect(connection_);
}

bool XInputPressThread::start(Sink sink, std::string& why)
{
    connection_ = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection_)) {
        why = "cannot open an X connection of its own";
        return false;
    }
    const xcb_query_extension_reply_t* ext = xcb_get_extension_data(connection_, &xcb_input_id);
    if (!ext || !ext->present) {
        why = "the X server has no XInput extension";
        return false;
    }
    xinputOpcode_ = ext->major_opcode;
    XcbReply<xcb_input_xi_query_version_reply_t> version(
        xcb_input_xi_query_version_reply(connection_, xcb_input_xi_query_version(connection_, 2, 2), nullptr));
    if (!version || version->major_version < 2) {
        why = "the X server has no XInput 2";
        return false;
    }
    // Device changes come to the root window of all devices; raw presses, of the master's.
    struct {
        xcb_input_event_mask_t head;
        std::uint32_t bits;
    } masks[2] = {{{XCB_INPUT_DEVICE_ALL_MASTER, 1}, XCB_INPUT_XI_EVENT_MASK_RAW_BUTTON_PRESS},
                  {{XCB_INPUT_DEVICE_ALL, 1}, XCB_INPUT_XI_EVENT_MASK_HIERARCHY}};
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    XcbReply<xcb_generic_error_t> error(
        xcb_request_check(connection_, xcb_input_xi_select_events_checked(connection_, root, 2, &masks[0].head)));
    if (error) {
        why = "the X server refused raw button presses";
        return false;
    }
    XcbReply<xcb_intern_atom_reply_t> atom(xcb_intern_atom_reply(
        connection_, xcb_intern_atom(connection_, 1, sizeof "Device Node" - 1, "Device Node"), nullptr));
    deviceNodeAtom_ = atom ? atom->atom : 0;
    // Whether the server's event times are on the program's clock, to the millisecond (and the
    // coarse clock's lag): only then do they bound a press's stamp.
    constexpr std::int64_t kCoarseLagNs = 1'000'000;
    sameClock_ = serverTimesOnProgramClock(probeServerTime(clock_), kCoarseLagNs);
    sink_ = std::move(sink);
    return thread_.start([this] { run(); }, why);
}

// The press with its device's node and button map, asked for once per device: the round trips
// come after the arrival was stamped.
RawPress XInputPressThread::describe(std::uint32_t serverMs, std::int64_t arrivedNs, std::uint16_t source,
                                     std::uint32_t button)
{
    auto known = devices_.find(source);
    if (known == devices_.end()) {
        Device device;
        XcbReply<xcb_input_xi_get_property_reply_t> node(xcb_input_xi_get_property_reply(
            connection_, xcb_input_xi_get_property(connection_, source, 0, deviceNodeAtom_, XCB_ATOM_ANY, 0, 256),
            nullptr));
        if (deviceNodeAtom_ && node && node->format == 8)
            device.node.assign(static_cast<const char*>(xcb_input_xi_get_property_items(node.get())), node->num_items);
        XcbReply<xcb_input_get_device_button_mapping_reply_t> map(xcb_input_get_device_button_mapping_reply(
            connection_, xcb_input_get_device_button_mapping(connection_, std::uint8_t(source)), nullptr));
        if (map) {
            const std::uint8_t* m = xcb_input_get_device_button_mapping_map(map.get());
            device.map.assign(m, m + map->map_size);
        }
        known = devices_.emplace(source, std::move(device)).first;
    }
    const Device& d = known->second;
    const unsigned mapped = button >= 1 && button <= d.map.size() ? d.map[button - 1] : button;
    return {serverMs, arrivedNs, d.node, unsigned(button), mapped};
}

void XInputPressThread::run()
{
    pollfd fds[2] = {{xcb_get_file_descriptor(connection_), POLLIN, 0}, {thread_.wakeFd(), POLLIN, 0}};
    std::int64_t arrivedNs = clock_.nowNs();
    for (;;) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
            const auto* ge = reinterpret_cast<const xcb_ge_generic_event_t*>(event);
            const bool xinput = (event->response_type & 0x7f) == XCB_GE_GENERIC && ge->extension == xinputOpcode_;
            if (xinput && ge->event_type == XCB_INPUT_RAW_BUTTON_PRESS) {
                const auto* raw = reinterpret_cast<const xcb_input_raw_button_press_event_t*>(event);
                sink_(describe(raw->time, arrivedNs, raw->sourceid, raw->detail));
            } else if (xinput && ge->event_type == XCB_INPUT_HIERARCHY) {
                devices_.clear(); // a device came or went: ids may name others now
            }
            std::free(event);
        }
        if (xcb_connection_has_error(connection_))
            return;
        if (poll(fds, 2, -1) < 0)
            continue;
        // Stamped the moment the thread wakes: whatever it reads now arrived by then.
        arrivedNs = clock_.nowNs();
        if (fds[1].revents)
            return;
    }
}

} // namespace brevane
