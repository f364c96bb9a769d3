#include "timing_check/FrameStatistics.h"

#include <algorithm>
#include <cmath>

namespace brevane {

FrameStatistics frameStatistics(const std::vector<std::int64_t>& stampsNs)
{
    FrameStatistics s;
    if (stampsNs.size() < 2)
        return s;
    std::vector<double> ms;
    for (std::size_t i = 1; i < stampsNs.size(); ++i)
        ms.push_back(double(stampsNs[i] - stampsNs[i - 1]) / 1e6);
    s.intervals = int(ms.size());
    // The median, not the mean: a missed frame counts as one late interval, not a slower refresh.
    std::vector<double> sorted = ms;
    const std::size_t mid = sorted.size() / 2;
    std::nth_element(sorted.begin(), sorted.begin() + std::ptrdiff_t(mid), sorted.end());
    s.periodMs = sorted[mid];
    if (sorted.size() % 2 == 0)
        s.periodMs = (s.periodMs + *std::max_element(sorted.begin(), sorted.begin() + std::ptrdiff_t(mid))) / 2;
    if (s.periodMs <= 0)
        return s;
    s.refreshHz = 1000.0 / s.periodMs;
    double sum = 0, squares = 0;
    int n = 0;
    for (double interval : ms) {
        if (interval > 1.5 * s.periodMs) {
            ++s.late;
            continue;
        }
        const double off = interval - s.periodMs; // small numbers: no precision lost in the squares
        sum += off;
        squares += off * off;
        ++n;
        s.worstMs = std::max(s.worstMs, std::fabs(off));
    }
    const double mean = sum / n; // n >= 1: the median interval itself is not late
    s.jitterMs = std::sqrt(std::max(0.0, squares / n - mean * mean));
    return s;
}

} // namespace brevane
