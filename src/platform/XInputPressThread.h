#pragma once
#include "platform/Clock.h"
#include "platform/InputThread.h"
#include "platform/PressStampMatcher.h"

#include <atomic>
#include <cstdint>

struct xcb_connection_t;

namespace brevane {

// A thread of the input threads' priority (raiseInputThreadPriority) on an X
// connection of its own, listening for XInput2 raw button presses on the root window: every
// press of any pointer, whatever window it lands in. Nothing else waits in front of it, so
// each press is stamped on arrival, before the GUI thread has even looked at its own event.
class XInputPressThread final : public RawPressSource {
public:
    explicit XInputPressThread(const Clock& clock);
    ~XInputPressThread() override; // stops the thread and closes the connection
    bool start(Sink sink, std::string& why) override;

private:
    void run();

    const Clock& clock_;
    xcb_connection_t* connection_ = nullptr;
    std::uint8_t xinputOpcode_ = 0;
    Sink sink_;
    InputThread thread_; // stopped first, in the destructor
};

} // namespace brevane
