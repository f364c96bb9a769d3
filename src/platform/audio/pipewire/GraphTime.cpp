#include "platform/audio/pipewire/GraphTime.h"
#include "platform/audio/ToneStamp.h"

namespace brevane {

std::int64_t graphFirstFrameNs(const GraphTime& t)
{
    if (t.nowNs == 0 || t.rateDenom == 0 || t.streamRate == 0)
        return 0;
    const std::int64_t delayNs = t.delay * std::int64_t(t.rateNum) * 1'000'000'000 / std::int64_t(t.rateDenom);
    return t.nowNs + delayNs + std::int64_t(t.cycleFrames + t.queued + t.buffered) * 1'000'000'000 / t.streamRate;
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

} // namespace brevane
