#include "platform/XInputPressThread.h"
#include "platform/InputThread.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>
#include <xcb/xcb.h>
#include <xcb/xinput.h>

#include <cstdlib>
#include <memory>

namespace brevane {

namespace {

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeDeleter>;

} // namespace

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
    Reply<xcb_input_xi_query_version_reply_t> version(
        xcb_input_xi_query_version_reply(connection_, xcb_input_xi_query_version(connection_, 2, 2), nullptr));
    if (!version || version->major_version < 2) {
        why = "the X server has no XInput 2";
        return false;
    }
    struct {
        xcb_input_event_mask_t head;
        std::uint32_t bits;
    } mask{{XCB_INPUT_DEVICE_ALL_MASTER, 1}, XCB_INPUT_XI_EVENT_MASK_RAW_BUTTON_PRESS};
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    Reply<xcb_generic_error_t> error(
        xcb_request_check(connection_, xcb_input_xi_select_events_checked(connection_, root, 1, &mask.head)));
    if (error) {
        why = "the X server refused raw button presses";
        return false;
    }
    sink_ = std::move(sink);
    return thread_.start([this] { run(); }, why);
}

void XInputPressThread::run()
{
    pollfd fds[2] = {{xcb_get_file_descriptor(connection_), POLLIN, 0}, {thread_.wakeFd(), POLLIN, 0}};
    std::int64_t arrivedNs = clock_.nowNs();
    for (;;) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
            const auto* ge = reinterpret_cast<const xcb_ge_generic_event_t*>(event);
            if ((event->response_type & 0x7f) == XCB_GE_GENERIC && ge->extension == xinputOpcode_ &&
                ge->event_type == XCB_INPUT_RAW_BUTTON_PRESS)
                sink_(reinterpret_cast<const xcb_input_raw_button_press_event_t*>(event)->time, arrivedNs);
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
