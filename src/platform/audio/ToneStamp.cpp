#include "platform/audio/ToneStamp.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace brevane {

const char* toneSourceName(ToneSource source)
{
    switch (source) {
    case ToneSource::Audio:
        return "audio";
    case ToneSource::Trigger:
        return "trigger";
    case ToneSource::Delay:
        return "delay";
    case ToneSource::Write:
        return "write";
    case ToneSource::Graph:
        return "pipewire";
    case ToneSource::Pulse:
        return "pulse";
    case ToneSource::None:
        break;
    }
    return "none";
}

const char* toneRouteName(ToneSource source)
{
    switch (source) {
    case ToneSource::Audio:
    case ToneSource::Trigger:
        return "hardware timestamps";
    case ToneSource::Graph:
        return "PipeWire graph";
    case ToneSource::Pulse:
        return "PulseAudio timing";
    case ToneSource::Delay:
    case ToneSource::Write:
        return "estimate";
    case ToneSource::None:
        break;
    }
    return "none";
}

std::vector<std::int16_t> makeTone(unsigned rate)
{
    constexpr double kToneHz = 880.0, kToneSeconds = 0.15, kRampSeconds = 0.004, kAmplitude = 0.45;
    const auto frames = std::size_t(kToneSeconds * rate);
    const auto ramp = std::size_t(kRampSeconds * rate);
    std::vector<std::int16_t> samples(frames);
    for (std::size_t i = 0; i < frames; ++i) {
        double gain = kAmplitude;
        if (i < ramp)
            gain *= double(i) / double(ramp);
        else if (frames - i < ramp)
            gain *= double(frames - i) / double(ramp);
        samples[i] =
            std::int16_t(std::lround(32767.0 * gain * std::sin(2.0 * std::numbers::pi * kToneHz * double(i) / rate)));
    }
    return samples;
}

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

} // namespace brevane

namespace brevane {

std::int64_t graphFirstFrameNs(const GraphTime& t)
{
    if (t.nowNs == 0 || t.rateDenom == 0 || t.streamRate == 0)
        return 0;
    const std::int64_t delayNs = t.delay * std::int64_t(t.rateNum) * 1'000'000'000 / std::int64_t(t.rateDenom);
    return t.nowNs + delayNs + std::int64_t(t.cycleFrames + t.queued + t.buffered) * 1'000'000'000 / t.streamRate;
}

std::int64_t pulseFirstFrameNs(const PulseTime& t)
{
    if (t.bytesPerSecond == 0 || t.timestampNs == 0 || !t.playing)
        return 0;
    const std::int64_t ahead = t.byteIndex - t.readIndex;
    if (ahead < 0 && t.sinceUnderrun < -ahead)
        return 0;
    return t.timestampNs + t.sinkUsec * 1000 + ahead * 1'000'000'000 / t.bytesPerSecond;
}

std::int64_t pulseHeardNs(const PulseTime& fresh, const PulseTime& placedBy)
{
    const std::int64_t byFresh = pulseFirstFrameNs(fresh);
    const std::int64_t byPlacing = pulseFirstFrameNs(placedBy);
    if (byFresh == 0 || byPlacing == 0 || fresh.sinceUnderrun < fresh.readIndex - placedBy.readIndex)
        return byFresh;
    return std::min(byFresh, byPlacing);
}

} // namespace brevane
