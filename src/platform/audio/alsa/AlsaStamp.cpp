#include "platform/audio/alsa/AlsaStamp.h"

#include <algorithm>

namespace brevane {

namespace {
constexpr std::int64_t kSecondNs = 1'000'000'000;

std::int64_t framesNs(std::int64_t frames, unsigned rate)
{
    return frames * kSecondNs / std::int64_t(rate);
}
} // namespace

ToneStamp toneStamp(const PcmReport& r)
{
    if (r.rate == 0)
        return {r.writeEndNs, ToneSource::Write};
    const auto framesNs = [&r](long frames) { return std::int64_t(frames) * 1'000'000'000 / r.rate; };
    const auto plausible = [&r](std::int64_t ns) { return ns >= r.writeStartNs && ns <= r.writeEndNs + 1'000'000'000; };
    if (r.status && r.monotonic) {
        // Past the ring buffer: what the delay counts beyond the frames the buffer holds; the
        // stream's first frame is the silence ahead of the tone.
        const std::int64_t latencyNs =
            framesNs(std::max(0L, r.delayFrames - (r.bufferFrames - r.availFrames))) + framesNs(r.leadFrames);
        if (r.audioValid && r.statusNs != 0 && r.audioNs > 0) {
            const std::int64_t ns = r.statusNs - r.audioNs + latencyNs;
            if (plausible(ns))
                return {ns, ToneSource::Audio};
        }
        if (r.triggerNs != 0 && plausible(r.triggerNs + latencyNs))
            return {r.triggerNs + latencyNs, ToneSource::Trigger};
        if (r.statusNs != 0 && plausible(r.statusNs + framesNs(r.delayFrames - r.toneFrames)))
            return {r.statusNs + framesNs(r.delayFrames - r.toneFrames), ToneSource::Delay};
    }
    if (r.delayKnown && plausible(r.writeEndNs + framesNs(r.writeDelayFrames - r.toneFrames)))
        return {r.writeEndNs + framesNs(r.writeDelayFrames - r.toneFrames), ToneSource::Delay};
    return {r.writeEndNs, ToneSource::Write};
}

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

} // namespace brevane
