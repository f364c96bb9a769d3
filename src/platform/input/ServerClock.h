#pragma once
// The X server's own time of a press, against the program's clock. An X server stamps every event
// with whole milliseconds of its clock (Xorg and Xvfb: CLOCK_MONOTONIC, or its coarse variant where
// that is fine enough; the count wraps at 32 bits), so where that clock is the program's the press
// happened within the server's millisecond, and a stamp taken later than that (the event held up on
// its way to the program) is bounded by it. Whether the clocks agree is found out at run time: the
// X input thread asks the server for its time a few times at start (serverTimesOnProgramClock), and
// every press's arrival is checked against its server time (ServerClockCheck); a server on another
// clock (gettimeofday, another machine's X server) bounds nothing.

#include <atomic>
#include <cstdint>
#include <optional>
#include <span>

namespace brevane {

// One question of the server's time: the program's clock before the request and after the answer,
// and the server's time in the answer.
struct ServerTimeProbe {
    std::int64_t beforeNs = 0, afterNs = 0;
    std::uint32_t serverMs = 0;
};

// Whether the server's time in each answer lies between the two readings of the program's clock
// around it, to the millisecond (and the coarse clock's lag `slackNs`). False with no probe.
bool serverTimesOnProgramClock(std::span<const ServerTimeProbe> probes, std::int64_t slackNs);

// The stamp a press gets from the server's time: where `stampNs` is more than the server's
// millisecond (and the coarse clock's lag) past the server's time `serverMs`, the middle of that
// span; nothing where the stamp is within it, or more than a second after it (an older press or
// another clock). `serverMs` wraps modulo 2^32.
std::optional<std::int64_t> serverBoundPressNs(std::int64_t stampNs, std::uint32_t serverMs, std::int64_t slackNs);

// What the program knows of the server's clock, from any thread: nothing yet (presses are then
// bounded where the server's time is within a second of their stamp, as a server on the program's
// clock must be), the answer to the start-up probe, and each press: one that arrived before the
// server's millisecond of it began says the clocks differ, from then on.
class ServerClockCheck {
public:
    void probed(bool sameClock) { state_ = sameClock ? kSame : kOther; }
    void sawPress(std::uint32_t serverMs, std::int64_t arrivedNs);
    // Presses may be bounded by the server's time.
    bool bounds() const { return state_ != kOther; }
    // The probe or a press found the clocks the same.
    bool confirmed() const { return state_ == kSame; }

private:
    enum State { kUnknown, kSame, kOther };
    std::atomic<State> state_{kUnknown};
};

} // namespace brevane
