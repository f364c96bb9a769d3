#include "platform/audio/CaptureClock.h"

#include <algorithm>

namespace brevane {

namespace {
constexpr std::int64_t kSecondNs = 1'000'000'000;

std::int64_t framesNs(std::int64_t frames, unsigned rate)
{
    return frames * kSecondNs / std::int64_t(rate);
}
} // namespace

ToneStamp alsaCaptureFirstFrame(const AlsaCaptureReport& r)
{
    if (r.rate == 0)
        return {r.readEndNs, ToneSource::Write};
    const std::int64_t blockNs = framesNs(r.frames, r.rate);
    // Captured before the read returned with it, and not long before the read began.
    const auto plausible = [&](std::int64_t ns) {
        return ns + blockNs <= r.readEndNs && ns >= r.readStartNs - 2 * kSecondNs - blockNs;
    };
    if (r.status && r.monotonic) {
        if (r.audioValid && r.statusNs != 0 && r.audioNs > 0) {
            const std::int64_t ns = r.statusNs - r.audioNs + framesNs(r.framesBefore, r.rate);
            if (plausible(ns))
                return {ns, ToneSource::Audio};
        }
        if (r.statusNs != 0) {
            const std::int64_t ns = r.statusNs - framesNs(r.frames + r.delayFrames, r.rate);
            if (plausible(ns))
                return {ns, ToneSource::Delay};
        }
        if (r.triggerNs != 0) {
            const std::int64_t ns = r.triggerNs + framesNs(r.framesBefore, r.rate);
            if (plausible(ns))
                return {ns, ToneSource::Trigger};
        }
    }
    return {r.readEndNs - blockNs, ToneSource::Write};
}

std::int64_t graphCaptureFirstFrameNs(const GraphCaptureTime& t)
{
    if (t.nowNs == 0 || t.rateDenom == 0 || t.streamRate == 0)
        return 0;
    const std::int64_t delayNs = t.delay * std::int64_t(t.rateNum) * kSecondNs / std::int64_t(t.rateDenom);
    return t.nowNs - delayNs - framesNs(std::int64_t(t.buffered), t.streamRate);
}

std::int64_t graphCaptureRunStartNs(std::int64_t newestNs, std::int64_t waitingFrames, std::int64_t lastEndNs,
                                    unsigned rate)
{
    constexpr std::int64_t kJoinNs = 1'000'000;
    const std::int64_t backNs = newestNs - framesNs(waitingFrames, rate);
    return waitingFrames > 0 && lastEndNs != 0 && backNs > lastEndNs + kJoinNs ? lastEndNs : backNs;
}

std::int64_t pulseCaptureOriginNs(const PulseCaptureTime& t)
{
    if (t.timestampNs == 0 || t.bytesPerSecond == 0)
        return 0;
    return t.timestampNs - (t.sourceUsec - t.sinkUsec) * 1000 - t.writeIndex * kSecondNs / t.bytesPerSecond;
}

std::int64_t pulseCaptureOriginNs(std::span<const PulseCaptureTime> answers)
{
    std::int64_t origin = 0;
    for (const PulseCaptureTime& t : answers)
        if (const std::int64_t ns = pulseCaptureOriginNs(t); ns != 0)
            origin = origin == 0 ? ns : std::min(origin, ns);
    return origin;
}

} // namespace brevane
