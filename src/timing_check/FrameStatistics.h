#pragma once
// The timing check's figures. TimingCheckWindow stamps every frame it hands to the screen, on
// the monotonic clock and by the display's stamp source, keeps the latest stamps, and shows
// frameStatistics of them with the name of each stamp source.

#include <cstdint>
#include <vector>

namespace brevane {

struct FrameStatistics {
    int intervals = 0;    // between consecutive stamps
    double periodMs = 0;  // the median interval: one frame
    double refreshHz = 0; // 1000 / periodMs
    double jitterMs = 0;  // standard deviation of the intervals that are not late
    double worstMs = 0;   // the largest distance of such an interval from the period
    int late = 0;         // intervals longer than 1.5 periods: at least one frame missed
};

// Over stamps in the order they were taken (ns); fewer than two give all zeros.
FrameStatistics frameStatistics(const std::vector<std::int64_t>& stampsNs);

} // namespace brevane
