#pragma once
#include "platform/input/InputThread.h"
#include "platform/input/PressStampMatcher.h"
#include "platform/services/Clock.h"

#include <atomic>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

struct xcb_connection_t;

namespace brevane {

// A thread of the input threads' priority (raiseInputThreadPriority) on an X
// connection of its own, listening for XInput2 raw button presses on the root window: every
// press of any pointer, whatever window it lands in. Nothing else waits in front of it, so
// each press is stamped on arrival, before the GUI thread has even looked at its own event.
// Each press names its source device's node (its "Device Node" property) and its button before
// and after the device's button map, asked of the server once per device (again after the
// devices changed), so a kernel press is matched to the device and button that made it.
class XInputPressThread final : public RawPressSource {
public:
    explicit XInputPressThread(const Clock& clock);
    ~XInputPressThread() override; // stops the thread and closes the connection
    bool start(Sink sink, std::string& why) override;
    // Asked of the server once it started (XServerClock).
    std::optional<bool> serverClockOnProgramClock() const override { return sameClock_; }

private:
    struct Device {
        std::string node;
        std::vector<std::uint8_t> map; // the X button map: map[button - 1]
    };
    void run();
    RawPress describe(std::uint32_t serverMs, std::int64_t arrivedNs, std::uint16_t source, std::uint32_t button);

    const Clock& clock_;
    xcb_connection_t* connection_ = nullptr;
    std::uint8_t xinputOpcode_ = 0;
    std::uint32_t deviceNodeAtom_ = 0;
    std::map<std::uint16_t, Device> devices_; // by XInput device id
    Sink sink_;
    std::optional<bool> sameClock_;
    InputThread thread_; // stopped first, in the destructor
};

} // namespace brevane
