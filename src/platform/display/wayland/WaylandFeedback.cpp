#include "platform/display/wayland/WaylandFeedback.h"
#include "platform/display/ScanOut.h"

namespace brevane {

namespace {

std::int64_t read(clockid_t id)
{
    timespec t{};
    clock_gettime(id, &t);
    return std::int64_t(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

} // namespace

ClockLink linkClock(clockid_t compositorClock)
{
    if (compositorClock == CLOCK_MONOTONIC)
        return {true, 0, 0};
    timespec probe{};
    if (clock_gettime(compositorClock, &probe) != 0)
        return {};
    // The best of a few tries: a reading cut by the scheduler shows as a wide spread.
    ClockLink best;
    for (int i = 0; i < 5; ++i) {
        const std::int64_t before = read(CLOCK_MONOTONIC);
        const std::int64_t theirs = read(compositorClock);
        const std::int64_t after = read(CLOCK_MONOTONIC);
        if (!best.linked || after - before < best.spreadNs)
            best = {true, before + (after - before) / 2 - theirs, after - before};
    }
    return best;
}

void takePresented(Presentation& shown, const PresentedEvent& event, const ClockLink& clock)
{
    if (!clock.linked || clock.spreadNs > kClockLinkLimitNs) {
        takeFallback(shown);
        return;
    }
    const auto theirs = std::int64_t(event.seconds) * 1'000'000'000 + std::int64_t(event.nanoseconds);
    shown.presentedNs = theirs + clock.offsetNs;
    shown.presentedBy = StampSource::Feedback;
    shown.msc = event.sequence;
    shown.exact = (event.kinds & StampHardwareCompletion) != 0;
    shown.flags = event.kinds & (StampVsync | StampHardwareClock | StampHardwareCompletion | StampZeroCopy);
}

void takeFallback(Presentation& shown)
{
    shown.presentedNs = 0;
    shown.exact = false;
    shown.flags |= StampFallback;
}

std::int64_t waylandScanOutNs(const PresentedEvent& event, int outputHeight, int panelTop)
{
    const std::uint32_t refreshStart = StampVsync | StampHardwareClock;
    if ((event.kinds & refreshStart) != refreshStart || event.refreshNs == 0 || outputHeight <= 0)
        return 0;
    const ScanOutMonitor output{0, 0, 1, outputHeight, double(event.refreshNs) / outputHeight};
    return scanOutDelayNs({output}, 0, panelTop);
}

} // namespace brevane
