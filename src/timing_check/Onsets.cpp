#include "timing_check/Onsets.h"

#include <algorithm>
#include <cmath>

namespace brevane {

namespace {

constexpr double kClipLevel = 0.99;

// The frame at or after `ns`, within the window.
std::ptrdiff_t frameAt(const SignalWindow& w, std::int64_t ns)
{
    const double at = std::ceil(double(ns - w.startNs) * w.rate / 1e9);
    return std::ptrdiff_t(std::clamp(at, 0.0, double(w.frames.size())));
}

std::vector<double> smoothed(const std::vector<float>& x, int frames)
{
    const std::ptrdiff_t half = std::max(0, frames / 2), n = std::ptrdiff_t(x.size());
    std::vector<double> out(x.size());
    double sum = 0;
    std::ptrdiff_t lo = 0, hi = 0; // the running sum holds x[lo, hi)
    for (std::ptrdiff_t i = 0; i < n; ++i) {
        for (; hi < std::min(n, i + half + 1); ++hi)
            sum += x[std::size_t(hi)];
        for (; lo < i - half; ++lo)
            sum -= x[std::size_t(lo)];
        out[std::size_t(i)] = sum / double(hi - lo);
    }
    return out;
}

} // namespace

const char* onsetVerdictName(OnsetVerdict verdict)
{
    switch (verdict) {
    case OnsetVerdict::Found:
        return "found";
    case OnsetVerdict::Noisy:
        return "noisy";
    case OnsetVerdict::Weak:
        return "weak";
    case OnsetVerdict::Gap:
        return "gap";
    case OnsetVerdict::Missed:
        break;
    }
    return "missed";
}

Onset findOnset(const SignalWindow& w, const OnsetSearch& s)
{
    Onset o;
    if (w.rate == 0) {
        o.verdict = OnsetVerdict::Gap;
        return o;
    }
    const std::ptrdiff_t restFrom = frameAt(w, s.restFromNs), restTo = frameAt(w, s.restToNs);
    const std::ptrdiff_t from = frameAt(w, s.fromNs), to = frameAt(w, s.toNs);
    const std::int64_t endNs = w.startNs + std::int64_t(double(w.frames.size()) * 1e9 / w.rate);
    if (w.startNs > std::min(s.restFromNs, s.fromNs) || endNs < s.toNs || restTo - restFrom < 16 || to - from < 2) {
        o.verdict = OnsetVerdict::Gap;
        return o;
    }
    const std::vector<double> x = smoothed(w.frames, s.smoothFrames);
    double level = 0;
    for (std::ptrdiff_t i = restFrom; i < restTo; ++i)
        level += x[std::size_t(i)];
    level /= double(restTo - restFrom);
    // The envelope: the largest distance from the rest's level over the last holdFrames.
    const std::size_t hold = std::size_t(std::max(1, s.holdFrames));
    std::vector<double> d(x.size()), e(x.size());
    for (std::size_t i = 0; i < x.size(); ++i) {
        d[i] = std::fabs(x[i] - level);
        e[i] = d[i];
        for (std::size_t k = 1; k < hold && k <= i; ++k)
            e[i] = std::max(e[i], d[i - k]);
    }
    for (std::ptrdiff_t i = restFrom + std::ptrdiff_t(hold) - 1; i < restTo; ++i)
        o.rest = std::max(o.rest, e[std::size_t(i)]);
    std::size_t peakAt = std::size_t(from);
    for (std::ptrdiff_t i = from; i < to; ++i) {
        if (e[std::size_t(i)] > e[peakAt])
            peakAt = std::size_t(i);
        o.clipped = o.clipped || std::fabs(w.frames[std::size_t(i)]) >= kClipLevel;
    }
    o.peak = e[peakAt];
    if (o.peak < 2 * o.rest || o.peak <= 0) {
        o.verdict = OnsetVerdict::Missed;
        return o;
    }
    if (o.peak < s.minRatio * o.rest) {
        o.verdict = OnsetVerdict::Noisy;
        return o;
    }
    if (o.peak < s.minLevel) {
        o.verdict = OnsetVerdict::Weak;
        return o;
    }
    // Back from the peak to where the envelope first rose past the threshold.
    const double threshold = std::max(s.fraction * o.peak, 1.5 * o.rest);
    std::size_t on = peakAt;
    while (on > std::size_t(from) && e[on - 1] >= threshold)
        --on;
    // The average runs ahead of a sudden change by half its width: the first frame itself past the
    // threshold within that half, where there is one, places the onset.
    const auto raw = [&](std::size_t i) { return std::fabs(double(w.frames[i]) - level); };
    const std::size_t half = std::size_t(std::max(0, s.smoothFrames / 2));
    for (std::size_t k = on; k <= std::min(on + half, w.frames.size() - 1); ++k)
        if (raw(k) >= threshold) {
            on = k;
            break;
        }
    double at = double(on);
    if (on > 0 && raw(on) > raw(on - 1) && raw(on - 1) < threshold)
        at = double(on - 1) + (threshold - raw(on - 1)) / (raw(on) - raw(on - 1));
    o.verdict = OnsetVerdict::Found;
    o.ns = w.startNs + std::llround(at * 1e9 / w.rate);
    return o;
}

} // namespace brevane
