#pragma once
// The summaries every figure of the benchmarks is given in.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace timing {

struct Summary {
    std::size_t n = 0;
    double mean = NAN;
    double sd = NAN; // sample standard deviation
    double min = NAN;
    double max = NAN;
    double p1 = NAN;
    double p99 = NAN;
    double maxAbs() const { return std::max(std::fabs(min), std::fabs(max)); }
};

// Percentile by linear interpolation between order statistics.
inline double percentile(const std::vector<double>& sorted, double p)
{
    if (sorted.empty())
        return NAN;
    const double pos = p / 100.0 * double(sorted.size() - 1);
    const std::size_t lo = std::size_t(std::floor(pos));
    const std::size_t hi = std::min(lo + 1, sorted.size() - 1);
    return sorted[lo] + (pos - double(lo)) * (sorted[hi] - sorted[lo]);
}

inline Summary summarise(std::vector<double> v)
{
    Summary s;
    s.n = v.size();
    if (v.empty())
        return s;
    std::sort(v.begin(), v.end());
    double sum = 0;
    for (double x : v)
        sum += x;
    s.mean = sum / double(v.size());
    double sq = 0;
    for (double x : v)
        sq += (x - s.mean) * (x - s.mean);
    s.sd = v.size() > 1 ? std::sqrt(sq / double(v.size() - 1)) : 0.0;
    s.min = v.front();
    s.max = v.back();
    s.p1 = percentile(v, 1);
    s.p99 = percentile(v, 99);
    return s;
}

// How many of the values lie beyond +-limit.
inline int countBeyond(const std::vector<double>& v, double limit)
{
    return int(std::count_if(v.begin(), v.end(), [limit](double x) { return std::fabs(x) > limit; }));
}

} // namespace timing
