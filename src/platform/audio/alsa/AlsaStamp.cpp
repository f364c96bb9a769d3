#include "platform/audio/alsa/AlsaStamp.h"

#include <algorithm>

namespace brevane {

ToneStamp toneStamp(const PcmReport& r)
{
    if (r.rate == 0)
        return {r.writeEndNs, ToneSource::Write};
    const auto plausible = [&r](std::int64_t ns) { return ns >= r.writeStartNs && ns <= r.writeEndNs + 1'000'000'000; };
    if (r.status && r.monotonic) {
        // Past the ring buffer: what the delay counts beyond the frames the buffer holds; the
        // stream's first frame is the silence ahead of the tone.
        const std::int64_t latencyNs =
            framesNs(std::max(0L, r.delayFrames - (r.bufferFrames - r.availFrames)), r.rate) +
            framesNs(r.leadFrames, r.rate);
        if (r.audioValid && r.statusNs != 0 && r.audioNs > 0) {
            const std::int64_t ns = r.statusNs - r.audioNs + latencyNs;
            if (plausible(ns))
                return {ns, ToneSource::Audio};
        }
        if (r.triggerNs != 0 && plausible(r.triggerNs + latencyNs))
            return {r.triggerNs + latencyNs, ToneSource::Trigger};
        if (r.statusNs != 0 && plausible(r.statusNs + framesNs(r.delayFrames - r.toneFrames, r.rate)))
            return {r.statusNs + framesNs(r.delayFrames - r.toneFrames, r.rate), ToneSource::Delay};
    }
    if (r.delayKnown && plausible(r.writeEndNs + framesNs(r.writeDelayFrames - r.toneFrames, r.rate)))
        return {r.writeEndNs + framesNs(r.writeDelayFrames - r.toneFrames, r.rate), ToneSource::Delay};
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
