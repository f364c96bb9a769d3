#include "platform/audio/pipewire/GraphTime.h"

namespace brevane {

std::int64_t graphFirstFrameNs(const GraphTime& t)
{
    if (t.nowNs == 0 || t.rateDenom == 0 || t.streamRate == 0)
        return 0;
    const std::int64_t delayNs = t.delay * std::int64_t(t.rateNum) * 1'000'000'000 / std::int64_t(t.rateDenom);
    return t.nowNs + delayNs + std::int64_t(t.cycleFrames + t.queued + t.buffered) * 1'000'000'000 / t.streamRate;
}

} // namespace brevane
