#include "platform/display/x11/FrameTimings.h"

#include <limits>

namespace brevane {

FrameTime frameTimingsTime(const FrameTimingsWords& words)
{
    FrameTime time;
    const std::int64_t drawnUs = std::int64_t((std::uint64_t(words.drawnHigh) << 32) | words.drawnLow);
    time.drawnNs = drawnUs * 1000;
    const auto offsetUs = std::int32_t(words.presentationOffset);
    if (offsetUs != 0 && offsetUs != std::numeric_limits<std::int32_t>::min() && drawnUs != 0)
        time.presentedNs = (drawnUs + offsetUs) * 1000;
    time.refreshNs = std::int64_t(words.refreshInterval) * 1000;
    return time;
}

} // namespace brevane
