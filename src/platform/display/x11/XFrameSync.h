#pragma once
// The window's side of the extended frame-synchronisation protocol (FrameTimings.h), where the
// compositing manager lists it in _NET_SUPPORTED: a counter of the program's own beside the
// toolkit's, frames marked on it, and the compositor's answers picked out of the toolkit's event
// queue while the presenter waits for them.

#include "platform/display/x11/FrameTimings.h"
#include "platform/services/Clock.h"

#include <cstdint>
#include <memory>

struct xcb_connection_t;

namespace brevane {

class XFrameSync {
public:
    XFrameSync();
    ~XFrameSync();
    XFrameSync(const XFrameSync&) = delete;
    XFrameSync& operator=(const XFrameSync&) = delete;

    // Takes the window on where the compositor speaks the protocol and the toolkit already takes
    // part in its basic form (_NET_WM_SYNC_REQUEST, one counter); false otherwise.
    bool attach(xcb_connection_t* c, std::uint32_t window, std::uint32_t root);
    void detach();
    bool attached() const { return counter_ != 0; }

    // The compositor takes a new counter when it gets round to the property, some time after it
    // changed: the first frame after attach is not marked, lest it wait for a counter the
    // compositor does not watch yet.
    void beginFrame();                      // the counter odd: the compositor holds the window's updates back
    void endFrame();                        // the next even value, the frame's serial: the compositor shows the frame
    bool marked() const { return marked_; } // the last frame was marked
    // The compositor's answers to the last frame, waited for until `deadlineNs`; nothing where
    // they did not come.
    bool awaitTimings(const Clock& clock, std::int64_t deadlineNs, FrameTime& time);

    struct Filter;

private:
    void setCounter(std::uint64_t value);

    xcb_connection_t* c_ = nullptr;
    std::uint32_t window_ = 0, counter_ = 0, drawnAtom_ = 0, timingsAtom_ = 0;
    std::uint64_t value_ = 0;
    bool ready_ = false, marked_ = false;
    std::unique_ptr<Filter> filter_;
};

} // namespace brevane
