#pragma once
// How a press gets its stamp. An input thread of its own (the X input thread in the program, a
// fake in tests) stamps every raw button press the moment it arrives, with the X server's time
// of the press; the window's press handler then looks up the stamp of its event by that
// server time. Where there is no such thread, or its stamp is missing, the handler's own (or
// the GUI connection's) stamp stands. Either is brought back to the end of the server's
// millisecond (refinePressStamp).

#include <array>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>

namespace reflex {

// The X server stamps input in whole milliseconds of CLOCK_MONOTONIC, the clock the program
// stamps with too (or of the kernel's coarse monotonic clock when that is fine enough, which
// lags by up to its resolution: `slackNs`). A press happened before the end of the server's
// millisecond, so a stamp later than that (the event was held up on its way) is brought back
// to it. Stamps of a server on another clock (more than a second apart) are left alone.
// `serverMs` wraps modulo 2^32.
std::int64_t refinePressStamp(std::int64_t stampNs, std::uint32_t serverMs, std::int64_t slackNs);

// Where raw presses come from. start() begins delivering them to `sink`, from any thread, and
// returns false, saying why in `why`, when it cannot.
class RawPressSource {
public:
    using Sink = std::function<void(std::uint32_t serverMs, std::int64_t arrivedNs)>;
    virtual ~RawPressSource() = default;
    virtual bool start(Sink sink, std::string& why) = 0;
};

class PressStampMatcher {
public:
    explicit PressStampMatcher(std::int64_t serverSlackNs = 0);
    // Starts the source; the matcher must outlive its deliveries (stop the source first).
    bool attach(RawPressSource& source);
    bool usesRawPresses() const { return attached_; }
    const std::string& fallbackReason() const { return why_; }

    // Any thread.
    void rawPress(std::uint32_t serverMs, std::int64_t arrivedNs);
    // The stamp of the press with server time `serverMs` whose handler (or GUI connection)
    // stamped it at `fallbackNs`: the raw press's arrival where one of that server time came
    // in before the handler ran, else `fallbackNs`.
    std::int64_t stamp(std::int64_t fallbackNs, std::uint32_t serverMs) const;

private:
    struct Raw {
        std::uint32_t serverMs = 0;
        std::int64_t arrivedNs = 0;
    };
    std::int64_t slackNs_;
    bool attached_ = false;
    std::string why_ = "no input thread";
    mutable std::mutex mutex_;
    std::array<Raw, 16> raw_{}; // the latest raw presses, oldest overwritten
    unsigned next_ = 0;
};

} // namespace reflex
