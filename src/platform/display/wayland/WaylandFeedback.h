#pragma once
// From the Wayland compositor's presentation feedback for one commit to the stimulus stamp.
// WaylandPresenter asks for the feedback and gathers its events; what they mean for the stamp is
// decided here, so that it is checked without a compositor. The compositor names the clock of its
// times once (clock_id); a presented event then carries the time the commit's content turned
// visible, the output's refresh period and frame counter, and what kind of time it is.

#include "platform/display/Presentation.h"

#include <cstdint>
#include <ctime>

namespace brevane {

// The compositor's presentation clock set against CLOCK_MONOTONIC, read back to back.
struct ClockLink {
    bool linked = false;       // false: the compositor's clock cannot be read here
    std::int64_t offsetNs = 0; // CLOCK_MONOTONIC minus the compositor's clock
    std::int64_t spreadNs = 0; // how long the paired reading took: the offset's uncertainty
};

// CLOCK_MONOTONIC itself links with no offset and no spread; another clock (Weston's software
// clock is CLOCK_MONOTONIC_RAW) is read between two readings of ours.
ClockLink linkClock(clockid_t compositorClock);

// A presented event as it comes off the wire.
struct PresentedEvent {
    std::uint64_t seconds = 0;
    std::uint32_t nanoseconds = 0;
    std::uint32_t refreshNs = 0; // 0: the output has no steady refresh
    std::uint64_t sequence = 0;  // the output's frame counter; 0 where it has none
    std::uint32_t kinds = 0;     // the protocol's kind bits, the same as StampFlag's first four
};

// A link whose paired reading took longer than this is no better than an estimate.
inline constexpr std::int64_t kClockLinkLimitNs = 20'000;

// The event's time on CLOCK_MONOTONIC becomes the stamp, with its frame counter and kinds. It is
// exact where the hardware signalled the frame (hw_completion); without that kind the time is the
// compositor's own estimate (a nested or software compositor takes it when its frame is done,
// which need not be when the pixels change), and the stamp is marked estimated. A compositor
// clock that is not ours nor linked within kClockLinkLimitNs leaves the hand-over, estimated and
// marked as a fallback.
void takePresented(Presentation& shown, const PresentedEvent& event, const ClockLink& clock);

// The compositor discarded the commit (another one replaced it before a refresh showed it) or
// said nothing in time: the stamp is the hand-over, marked as a fallback.
void takeFallback(Presentation& shown);

// From the start of the output's scan-out to the line at `panelTop` (the output's rows), where
// the event says the time is the hardware's start of a refresh (vsync and hw_clock): a software
// time is taken when the frame is done, not when its first line is drawn. Without blanking lines
// to go by (a Wayland output gives only its size and rate) a line takes the refresh period over
// the output's height.
std::int64_t waylandScanOutNs(const PresentedEvent& event, int outputHeight, int panelTop);

} // namespace brevane
