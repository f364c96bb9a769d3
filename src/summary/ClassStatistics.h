#pragma once
// The statistics of the class summary: pure functions over plain values. A value that does not
// exist (the mean of nothing, the SD of one value, a rate over no trials) is NaN, which the
// tables write as an empty field.

#include "shared/Stores.h"

#include <limits>
#include <optional>
#include <span>
#include <vector>

namespace brevane::summary {

inline constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

double mean(std::span<const double> values);
double median(std::span<const double> values);
// The sample standard deviation (n - 1 in the denominator).
double sampleSd(std::span<const double> values);
// Linear interpolation between the order statistics (the usual spreadsheet QUARTILE), p in [0, 1].
double quantile(std::span<const double> values, double p);

// The standard normal distribution's quantile: z with P(Z <= z) = p, 0 < p < 1.
double normalQuantile(double p);
// Student's t quantile: t with P(T <= t) = p, for df >= 1 and 0.5 <= p < 1.
double studentQuantile(double p, int df);

// A choice test set's four counts.
struct Outcomes {
    int correctHits = 0, correctMisses = 0, incorrectHits = 0, missedHits = 0;
};

// Correct hits over the triggers shown, incorrect hits over the other elements shown.
double hitRate(const Outcomes& o);
double falseAlarmRate(const Outcomes& o);
// z(H) - z(F) with the log-linear correction, H = (hits + .5) / (triggers + 1) and F likewise, so
// that rates of 0 and 1 give finite values. NaN when the set showed no trigger or no other
// element: there is then nothing to tell apart.
double dPrime(const Outcomes& o);

// A mean with its confidence interval.
struct Interval {
    int n = 0;
    double mean = kNone, low = kNone, high = kNone;
};
// The paired interval of a mean difference: mean +- t(level, n - 1) SD / sqrt(n) over one
// difference per student. low and high are NaN below two differences.
Interval pairedInterval(std::span<const double> differences, double level = 0.95);

// One set as the summary reports it: the reaction times (in ms) of runs 1..10, and for a choice
// test the counts with the rates. In a choice test only correct hits are reaction times: a missed
// hit is stored as 1.000 s, so as many 1.000 s runs as the counts' missed hits are left out of the
// times. A press timed at 1.000 s is stored the same way; beyond the missed hits it is a time.
struct SetSummary {
    bool holdsTime = false; // any run 1..10 holds a time, a missed hit's included
    std::vector<double> timesMs;
    int n = 0;
    double mean = kNone, median = kNone, sd = kNone, fastest = kNone, slowest = kNone;
    std::optional<Outcomes> outcomes;
    double hitRate = kNone, falseAlarmRate = kNone, dPrime = kNone;
};
SetSummary summariseSet(const RunRow& runs, std::optional<Outcomes> outcomes);

} // namespace brevane::summary
