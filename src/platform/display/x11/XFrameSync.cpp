#include "platform/display/x11/XFrameSync.h"
#include "platform/XcbReply.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
// The X connection is public (QNativeInterface::QX11Application, XDisplay.cpp); looking into the
// events the toolkit has read but not yet dispatched is not: no public Qt API does it (a native
// event filter sees an event only as the event loop dispatches it, and the wait below must not run
// the loop). QX11Info::peekEventQueue, a private header of every Qt 6, does; the package depends
// on the very Qt it was built with (its private ABI).
#include <QtGui/private/qtx11extras_p.h>
#include <xcb/sync.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <thread>

namespace brevane {

namespace {

constexpr auto kPollPause = std::chrono::microseconds(200);

// The 32-bit items of a property: atoms, or the counters of a window.
std::basic_string<std::uint32_t> items(xcb_connection_t* c, xcb_window_t window, xcb_atom_t name, xcb_atom_t type)
{
    XcbReply<xcb_get_property_reply_t> p(
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, name, type, 0, 1024), nullptr));
    if (!p || p->format != 32)
        return {};
    const auto* data = static_cast<const std::uint32_t*>(xcb_get_property_value(p.get()));
    return {data, data + xcb_get_property_value_length(p.get()) / 4};
}

const xcb_client_message_event_t* clientMessage(const xcb_generic_event_t* event, xcb_window_t window)
{
    if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE)
        return nullptr;
    const auto* message = reinterpret_cast<const xcb_client_message_event_t*>(event);
    return message->window == window && message->format == 32 ? message : nullptr;
}

std::uint64_t serialOf(const xcb_client_message_event_t* message)
{
    return (std::uint64_t(message->data.data32[1]) << 32) | message->data.data32[0];
}

// What the peek through the toolkit's queue looks for and finds.
struct Sought {
    xcb_window_t window;
    xcb_atom_t drawnAtom, timingsAtom;
    std::uint64_t serial;
    FrameTimingsWords words;
    bool drawn = false, timed = false;
};

} // namespace

// The compositor's answers are the presenter's, read where they wait in the toolkit's queue: the
// toolkit, which does not know them, never gets them. A resize request of the
// compositor's names the value the counter it watches (ours, the extended one) must reach once the
// window has drawn its new size; the toolkit sets only its own, so ours follows at once.
struct XFrameSync::Filter : QAbstractNativeEventFilter {
    XFrameSync& sync;
    xcb_atom_t protocols, syncRequest;
    explicit Filter(XFrameSync& s)
        : sync(s)
        , protocols(internAtom(s.c_, "WM_PROTOCOLS"))
        , syncRequest(internAtom(s.c_, "_NET_WM_SYNC_REQUEST"))
    {
    }
    bool nativeEventFilter(const QByteArray& type, void* event, qintptr*) override
    {
        if (type != "xcb_generic_event_t")
            return false;
        const auto* message = clientMessage(static_cast<const xcb_generic_event_t*>(event), sync.window_);
        if (!message)
            return false;
        if (message->type == protocols && message->data.data32[0] == syncRequest) {
            const std::uint64_t value = (std::uint64_t(message->data.data32[3]) << 32) | message->data.data32[2];
            if (value > sync.value_)
                sync.setCounter(value);
            return false;
        }
        return message->type == sync.drawnAtom_ || message->type == sync.timingsAtom_;
    }
};

XFrameSync::XFrameSync() = default;

XFrameSync::~XFrameSync()
{
    detach();
}

bool XFrameSync::attach(xcb_connection_t* c, std::uint32_t window, std::uint32_t root)
{
    detach();
    const xcb_atom_t drawn = internAtom(c, "_NET_WM_FRAME_DRAWN"), timings = internAtom(c, "_NET_WM_FRAME_TIMINGS");
    const auto supported = items(c, root, internAtom(c, "_NET_SUPPORTED"), XCB_ATOM_ATOM);
    const auto protocols = items(c, window, internAtom(c, "WM_PROTOCOLS"), XCB_ATOM_ATOM);
    const xcb_atom_t counterList = internAtom(c, "_NET_WM_SYNC_REQUEST_COUNTER");
    const auto counters = items(c, window, counterList, XCB_ATOM_CARDINAL);
    if (supported.find(drawn) == supported.npos || supported.find(timings) == supported.npos ||
        protocols.find(internAtom(c, "_NET_WM_SYNC_REQUEST")) == protocols.npos || counters.size() != 1)
        return false;
    XcbReply<xcb_sync_initialize_reply_t> version(xcb_sync_initialize_reply(c, xcb_sync_initialize(c, 3, 1), nullptr));
    if (!version)
        return false;
    c_ = c;
    window_ = window;
    drawnAtom_ = drawn;
    timingsAtom_ = timings;
    value_ = 0;
    ready_ = marked_ = false;
    counter_ = xcb_generate_id(c);
    xcb_sync_create_counter(c, counter_, xcb_sync_int64_t{0, 0});
    // The toolkit's counter stays first, the basic one; ours follows as the extended one.
    const std::uint32_t both[2] = {counters[0], counter_};
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, counterList, XCB_ATOM_CARDINAL, 32, 2, both);
    xcb_flush(c);
    filter_ = std::make_unique<Filter>(*this);
    QCoreApplication::instance()->installNativeEventFilter(filter_.get());
    return true;
}

void XFrameSync::detach()
{
    if (!counter_)
        return;
    filter_.reset(); // the filter removes itself from the application
    // The window may be gone: then the server ignores both.
    const xcb_atom_t counterList = internAtom(c_, "_NET_WM_SYNC_REQUEST_COUNTER");
    const auto counters = items(c_, window_, counterList, XCB_ATOM_CARDINAL);
    if (counters.size() == 2 && counters[1] == counter_)
        xcb_change_property(c_, XCB_PROP_MODE_REPLACE, window_, counterList, XCB_ATOM_CARDINAL, 32, 1, counters.data());
    xcb_sync_destroy_counter(c_, counter_);
    xcb_flush(c_);
    counter_ = window_ = 0;
    c_ = nullptr;
}

void XFrameSync::setCounter(std::uint64_t value)
{
    value_ = value;
    xcb_sync_set_counter(c_, counter_, xcb_sync_int64_t{std::int32_t(value >> 32), std::uint32_t(value)});
    xcb_flush(c_);
}

void XFrameSync::beginFrame()
{
    marked_ = ready_;
    if (marked_)
        setCounter(value_ % 2 ? value_ + 2 : value_ + 1);
}

void XFrameSync::endFrame()
{
    if (marked_)
        setCounter(value_ + 1);
    ready_ = true;
}

bool XFrameSync::awaitTimings(const Clock& clock, std::int64_t deadlineNs, FrameTime& time)
{
    Sought sought{window_, drawnAtom_, timingsAtom_, value_, {}};
    const auto peek = [](xcb_generic_event_t* event, void* data) {
        auto& s = *static_cast<Sought*>(data);
        const auto* message = clientMessage(event, s.window);
        if (message && serialOf(message) == s.serial && message->type == s.drawnAtom) {
            s.words.drawnLow = message->data.data32[2];
            s.words.drawnHigh = message->data.data32[3];
            s.drawn = true;
        } else if (message && serialOf(message) == s.serial && message->type == s.timingsAtom) {
            s.words.presentationOffset = message->data.data32[2];
            s.words.refreshInterval = message->data.data32[3];
            s.timed = true;
        }
        return s.drawn && s.timed;
    };
    while (!QX11Info::peekEventQueue(peek, &sought)) {
        if (clock.nowNs() > deadlineNs)
            return false;
        std::this_thread::sleep_for(kPollPause);
    }
    time = frameTimingsTime(sought.words);
    return true;
}

} // namespace brevane
