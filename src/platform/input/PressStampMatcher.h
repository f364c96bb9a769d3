#pragma once
// How a press gets its stamp. Input threads of their own stamp every press the moment they learn
// of it: the kernel's event device reader (EvdevPressThread) hands over the kernel's own time of
// each button press, the X input thread (or, without it, the GUI connection) the arrival of each
// raw X press with the X server's time of it. The window's press handler then looks up the stamp
// of its event by that server time: the kernel press of the server's millisecond, else the raw
// press, else its own stamp. A stamp later than the server's millisecond is bounded by the server's
// time, where the server's clock is the program's (ServerClock.h). Fakes stand in for both threads
// in tests.

#include "platform/input/ServerClock.h"

#include "platform/input/PressStamp.h"

#include <array>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>

namespace brevane {

// A raw X button press: the X server's time of it, when it reached the program, the device node
// of the device that sent it ("" when the server names none: XTest, a device on another
// machine) and its button, as the device numbers it (`button`) and after the X button map
// (`mappedButton`, the button the window's event carries; 0: not known).
struct RawPress {
    std::uint32_t serverMs = 0;
    std::int64_t arrivedNs = 0;
    std::string node;
    unsigned button = 0, mappedButton = 0;
};

// Where raw presses come from. start() begins delivering them to `sink`, from any thread, and
// returns false, saying why in `why`, when it cannot.
class RawPressSource {
public:
    using Sink = std::function<void(const RawPress& press)>;
    virtual ~RawPressSource() = default;
    virtual bool start(Sink sink, std::string& why) = 0;
    // Once started: whether the server's time was found on the program's clock when asked
    // (serverTimesOnProgramClock); nothing where the source did not ask.
    virtual std::optional<bool> serverClockOnProgramClock() const { return std::nullopt; }
};

// A kernel button press: the device node it came from, its button as X numbers a device's
// buttons (xButtonOfKernelCode) and the kernel's stamp of it on CLOCK_MONOTONIC.
struct KernelPress {
    std::string node;
    unsigned button = 0;
    std::int64_t ns = 0;
};
// BTN_LEFT, BTN_MIDDLE and BTN_RIGHT are X's buttons 1 to 3, BTN_SIDE and on 8 and on (4 to 7
// are the wheel); 0 for any other code.
unsigned xButtonOfKernelCode(unsigned code);

// Where the kernel's button presses come from; the same contract as RawPressSource.
class KernelPressSource {
public:
    using Sink = std::function<void(const KernelPress& press)>;
    virtual ~KernelPressSource() = default;
    virtual bool start(Sink sink, std::string& why) = 0;
};

class PressStampMatcher {
public:
    // How long before the server's millisecond a kernel press may lie and still be the one the
    // server stamped: the server's own wake-up, and libinput holding a left or right press for
    // up to 50 ms while it waits to see whether both buttons make a middle one.
    static constexpr std::int64_t kKernelLeadNs = 64'000'000;

    explicit PressStampMatcher(std::int64_t serverSlackNs = 0);
    // Start the source; the matcher must outlive its deliveries (stop the source first).
    bool attach(RawPressSource& source);
    bool attach(KernelPressSource& source, std::string& why);
    bool usesRawPresses() const { return attached_; }
    const std::string& fallbackReason() const { return why_; }
    // Whether presses are bounded by the server's time, and whether its clock was confirmed the
    // program's.
    const ServerClockCheck& serverClock() const { return serverClock_; }

    // Any thread.
    void rawPress(const RawPress& press);
    void kernelPress(const KernelPress& press);
    // The stamp of the press of X button `button` (after the map; 0: any) with server time
    // `serverMs` whose handler (or GUI connection) stamped it at `fallbackNs`. The raw press of
    // that server time and button that came in before the handler ran names the device: the
    // latest kernel press of the same device node and button, within the server's millisecond or
    // up to kKernelLeadNs before it, is the stamp; else the raw press's arrival (a device the
    // kernel reader does not read, a tap that sends no kernel button, XTest); else `fallbackNs`.
    // A stamp more than the server's millisecond past the server's time takes the middle of that
    // millisecond (PressSource::Server; serverBoundPressNs) unless the server's clock is another.
    PressStamp stamp(std::int64_t fallbackNs, std::uint32_t serverMs, unsigned button = 0) const;

private:
    const RawPress* rawPressOf(std::int64_t fallbackNs, std::uint32_t serverMs, unsigned button) const;

    std::int64_t slackNs_;
    ServerClockCheck serverClock_;
    bool attached_ = false;
    std::string why_ = "no input thread";
    mutable std::mutex mutex_;
    std::array<RawPress, 16> raw_{}; // the latest raw presses, oldest overwritten
    unsigned next_ = 0;
    std::array<KernelPress, 16> kernel_{}; // the latest kernel presses, oldest overwritten
    unsigned nextKernel_ = 0;
};

} // namespace brevane
