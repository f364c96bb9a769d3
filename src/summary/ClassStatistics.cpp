#include "summary/ClassStatistics.h"
#include "shared/ResultsCsv.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace brevane::summary {

namespace {

std::vector<double> sorted(std::span<const double> values)
{
    std::vector<double> out(values.begin(), values.end());
    std::ranges::sort(out);
    return out;
}

// P(|T| <= t) for t >= 0, from the finite series of the t distribution with an integer number
// of degrees of freedom (Abramowitz and Stegun 26.7.3 and 26.7.4): exact, and no incomplete
// beta function needed.
double centralT(double t, int df)
{
    const double theta = std::atan(t / std::sqrt(double(df)));
    const double c = std::cos(theta), s = std::sin(theta);
    double term = 1, sum = 1;
    if (df % 2 == 0) {
        for (int k = 1; k <= (df - 2) / 2; ++k)
            sum += term *= c * c * (2 * k - 1) / (2 * k);
        return s * sum;
    }
    if (df == 1)
        return 2 / std::numbers::pi * theta;
    for (int k = 1; k <= (df - 3) / 2; ++k)
        sum += term *= c * c * (2 * k) / (2 * k + 1);
    return 2 / std::numbers::pi * (theta + s * c * sum);
}

double ratio(int part, int whole)
{
    return whole > 0 ? double(part) / whole : kNone;
}

} // namespace

double mean(std::span<const double> values)
{
    if (values.empty())
        return kNone;
    double sum = 0;
    for (double v : values)
        sum += v;
    return sum / double(values.size());
}

double median(std::span<const double> values)
{
    return quantile(values, 0.5);
}

double sampleSd(std::span<const double> values)
{
    if (values.size() < 2)
        return kNone;
    const double m = mean(values);
    double squares = 0;
    for (double v : values)
        squares += (v - m) * (v - m);
    return std::sqrt(squares / double(values.size() - 1));
}

double quantile(std::span<const double> values, double p)
{
    if (values.empty())
        return kNone;
    const std::vector<double> v = sorted(values);
    const double at = p * double(v.size() - 1);
    const auto below = std::size_t(std::floor(at));
    const std::size_t above = std::min(below + 1, v.size() - 1);
    return v[below] + (at - double(below)) * (v[above] - v[below]);
}

double normalQuantile(double p)
{
    // Acklam's rational approximation (relative error below 1.2e-9), then one Halley step on
    // the exact distribution function, which brings it to double precision.
    static constexpr double a[] = {-3.969683028665376e+01, 2.209460984245205e+02,  -2.759285104469687e+02,
                                   1.383577518672690e+02,  -3.066479806614716e+01, 2.506628277459239e+00};
    static constexpr double b[] = {-5.447609879822406e+01, 1.615858368580409e+02, -1.556989798598866e+02,
                                   6.680131188771972e+01, -1.328068155288572e+01};
    static constexpr double c[] = {-7.784894002430293e-03, -3.223964580411365e-01, -2.400758277161838e+00,
                                   -2.549732539343734e+00, 4.374664141464968e+00,  2.938163982698783e+00};
    static constexpr double d[] = {7.784695709041462e-03, 3.224671290700398e-01, 2.445134137142996e+00,
                                   3.754408661907416e+00};
    if (!(p > 0 && p < 1))
        return kNone;
    const auto tail = [&](double q) {
        return (((((c[0] * q + c[1]) * q + c[2]) * q + c[3]) * q + c[4]) * q + c[5]) /
               ((((d[0] * q + d[1]) * q + d[2]) * q + d[3]) * q + 1);
    };
    double x;
    if (p < 0.02425) {
        x = tail(std::sqrt(-2 * std::log(p)));
    } else if (p > 1 - 0.02425) {
        x = -tail(std::sqrt(-2 * std::log(1 - p)));
    } else {
        const double q = p - 0.5, r = q * q;
        x = (((((a[0] * r + a[1]) * r + a[2]) * r + a[3]) * r + a[4]) * r + a[5]) * q /
            (((((b[0] * r + b[1]) * r + b[2]) * r + b[3]) * r + b[4]) * r + 1);
    }
    const double e = 0.5 * std::erfc(-x / std::numbers::sqrt2) - p;
    const double u = e * std::sqrt(2 * std::numbers::pi) * std::exp(x * x / 2);
    return x - u / (1 + x * u / 2);
}

double studentQuantile(double p, int df)
{
    if (df < 1 || !(p >= 0.5 && p < 1))
        return kNone;
    const double target = 2 * p - 1; // P(|T| <= t)
    double low = 0, high = 1;
    while (centralT(high, df) < target)
        high *= 2;
    for (int i = 0; i < 200 && high - low > 1e-13 * high; ++i) {
        const double mid = (low + high) / 2;
        (centralT(mid, df) < target ? low : high) = mid;
    }
    return (low + high) / 2;
}

double hitRate(const Outcomes& o)
{
    return ratio(o.correctHits, o.correctHits + o.missedHits);
}

double falseAlarmRate(const Outcomes& o)
{
    return ratio(o.incorrectHits, o.incorrectHits + o.correctMisses);
}

double dPrime(const Outcomes& o)
{
    const int triggers = o.correctHits + o.missedHits, others = o.incorrectHits + o.correctMisses;
    if (triggers <= 0 || others <= 0)
        return kNone;
    const double h = (o.correctHits + 0.5) / (triggers + 1), f = (o.incorrectHits + 0.5) / (others + 1);
    return normalQuantile(h) - normalQuantile(f);
}

Interval pairedInterval(std::span<const double> differences, double level)
{
    Interval out;
    out.n = int(differences.size());
    out.mean = mean(differences);
    if (out.n < 2)
        return out;
    const double half = studentQuantile((1 + level) / 2, out.n - 1) * sampleSd(differences) / std::sqrt(double(out.n));
    out.low = out.mean - half;
    out.high = out.mean + half;
    return out;
}

SetSummary summariseSet(const RunRow& runs, std::optional<Outcomes> outcomes)
{
    SetSummary s;
    int missed = outcomes ? outcomes->missedHits : 0;
    for (int run = 1; run <= kStoredRuns; ++run) {
        const float t = runs[run];
        if (!(t > 0))
            continue;
        s.holdsTime = true;
        if (!takeMissedHit(t, missed))
            s.timesMs.push_back(wholeMilliseconds(t));
    }
    s.n = int(s.timesMs.size());
    s.mean = mean(s.timesMs);
    s.median = median(s.timesMs);
    s.sd = sampleSd(s.timesMs);
    if (s.n > 0) {
        s.fastest = *std::ranges::min_element(s.timesMs);
        s.slowest = *std::ranges::max_element(s.timesMs);
    }
    if ((s.outcomes = outcomes)) {
        s.hitRate = hitRate(*outcomes);
        s.falseAlarmRate = falseAlarmRate(*outcomes);
        s.dPrime = dPrime(*outcomes);
    }
    return s;
}

} // namespace brevane::summary
