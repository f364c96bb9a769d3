#pragma once
// How a press gets its stamp. Input threads of their own stamp every press the moment they learn
// of it: the kernel's event device reader (EvdevPressThread) hands over the kernel's own time of
// each button press, the X input thread (or, without it, the GUI connection) the arrival of each
// raw X press with the X server's time of it. The window's press handler then looks up the stamp
// of its event by that server time: the kernel press of the server's millisecond, else the raw
// press, else its own stamp. Either is brought back to the end of the server's millisecond
// (refinePressStamp). Fakes stand in for both threads in tests.

#include "platform/input/PressStamp.h"

#include <array>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>

namespace brevane {

// The X server stamps input in whole milliseconds of CLOCK_MONOTONIC, the clock the program
// stamps with too (or of the kernel's coarse monotonic clock when that is fine enough, which
// lags by up to its resolution: `slackNs`). A press happened before the end of the server's
// millisecond, so a stamp later than that (the event was held up on its way) is brought back
// to it. Stamps of a server on another clock (more than a second apart) are left alone.
// `serverMs` wraps modulo 2^32.
std::int64_t refinePressStamp(std::int64_t stampNs, std::uint32_t serverMs, std::int64_t slackNs);

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

    // Any thread.
    void rawPress(const RawPress& press);
    void kernelPress(const KernelPress& press);
    // The stamp of the press of X button `button` (after the map; 0: any) with server time
    // `serverMs` whose handler (or GUI connection) stamped it at `fallbackNs`. The raw press of
    // that server time and button that came in before the handler ran names the device: the
    // latest kernel press of the same device node and button, within the server's millisecond or
    // up to kKernelLeadNs before it, is the stamp; else the raw press's arrival (a device the
    // kernel reader does not read, a tap that sends no kernel button, XTest); else `fallbackNs`.
    PressStamp stamp(std::int64_t fallbackNs, std::uint32_t serverMs, unsigned button = 0) const;

private:
    const RawPress* rawPressOf(std::int64_t fallbackNs, std::uint32_t serverMs, unsigned button) const;

    std::int64_t slackNs_;
    bool attached_ = false;
    std::string why_ = "no input thread";
    mutable std::mutex mutex_;
    std::array<RawPress, 16> raw_{}; // the latest raw presses, oldest overwritten
    unsigned next_ = 0;
    std::array<KernelPress, 16> kernel_{}; // the latest kernel presses, oldest overwritten
    unsigned nextKernel_ = 0;
};

} // namespace brevane
