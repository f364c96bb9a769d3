#include "platform/audio/pulse/PulseTime.h"

#include <algorithm>

namespace brevane {

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

std::int64_t pulseCaptureOriginNs(const PulseCaptureTime& t)
{
    if (t.timestampNs == 0 || t.bytesPerSecond == 0)
        return 0;
    return t.timestampNs - (t.sourceUsec - t.sinkUsec) * 1000 - t.writeIndex * 1'000'000'000 / t.bytesPerSecond;
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
